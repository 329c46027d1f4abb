// The results file "Results.txt": one line per correctly answered question.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "status.h"
#include "token_reader.h"

namespace parlavo {

// The result lines held in the file's bytes. A last line without its line end was
// cut short by a write that never finished (the program killed, the power lost, the
// disk full): it is left out and handed back in `*cutShort`, so the caller can say
// so; every complete line is kept.
std::vector<std::string> ResultLinesFromBytes(std::string_view bytes, std::string* cutShort = nullptr);

class TFileMan {
 public:
  // Create: remembers the name, creates the file when missing and loads it.
  explicit TFileMan(std::string fileName);
  // Destroy: a last SaveNew, unless Close already made it.
  ~TFileMan();
  TFileMan(const TFileMan&) = delete;
  TFileMan& operator=(const TFileMan&) = delete;

  // All result lines, file order; the question loop appends to it.
  std::vector<std::string> ResultLines;

  const std::string& FileName() const { return fileName_; }

  // Creates the file empty when it does not exist yet.
  void OpenFile();
  // Replaces ResultLines with the file's complete lines (CR LF and LF both end a
  // line; a last line cut short is left out, see LoadNote). A file that cannot be
  // read leaves ResultLines empty and LoadStatus() an error; it is then protected
  // from being overwritten (see Save).
  void Load();
  // Puts the lines appended to ResultLines since the last successful save on the
  // disk, appended behind the file's lines and flushed, so the cost does not grow
  // with the file. Falls back to Save when the file must be written whole (it
  // ended with a line cut short, it vanished, or it could not be read at start-up).
  // On failure the lines stay in memory and the next call tries again. Returns
  // whether the file now holds ResultLines.
  bool SaveNew();
  // Writes every line with CR LF into a new file and renames it into place, so a
  // failure leaves the previous file whole; the lines stay in memory either way.
  // While the file could not be read at start-up, Save first tries to read it
  // again and keeps its lines ahead of this run's; as long as it stays unreadable
  // it is not overwritten. Returns whether the file now holds ResultLines.
  bool Save();
  // The last SaveNew, for an owner that wants its result; the destructor then saves
  // no more, so nothing is written after shutdown.
  bool Close();

  // The lines that are in memory only: this run's answers not yet in the file.
  std::vector<std::string> UnsavedLines() const;
  struct UnsavedLinesFile {
    Status status;
    std::string path;  // the file written; "" when it could not be
  };
  // Writes UnsavedLines into a new file beside the results file, named after the
  // local time `now` ("Results-unsaved-YYYYMMDD-HHMMSS.txt", "-2" and on when that
  // name is taken), in the results file's line format.
  UnsavedLinesFile WriteUnsavedLines(const std::tm& now);

  // The outcome of the start-up load (creating a missing file, reading it), for one report.
  const Status& LoadStatus() const { return loadStatus_; }
  // What the start-up load left out ("" when nothing): a last line cut short. Not
  // an error: every complete line was read.
  const std::string& LoadNote() const { return loadNote_; }
  // The outcome of the last save.
  const Status& SaveStatus() const { return saveStatus_; }
  // True when the last save failed after a success (or as the first save), so
  // the window reports a lasting failure once rather than at every answer.
  bool SaveFailedNewly() const { return saveFailedNewly_; }

  // The distinct first fields of ResultLines, sorted ignoring case.
  void BuildTestedIndex();
  // Whether `form` is the first field of some result line, ignoring case.
  bool IsTested(std::string_view form) const;
  const std::vector<std::string>& TestedIndex() const { return testedIndex_; }

  // Line `i` into the token buffer and returned; "ERROR" beyond the end, with the
  // buffer left alone. Nothing in the program reads single lines today (the statistics
  // parse every line); kept, with its tests, as the file's documented way in.
  std::string SelectLine(std::size_t i);
  std::string NextToken(char separator) { return tokens_.NextToken(separator); }
  bool HasMoreTokens() const { return tokens_.HasMoreTokens(); }

 private:
  // Reads the file's lines into `lines`; false (and loadStatus_) when unreadable.
  bool ReadLines(std::vector<std::string>& lines);
  bool Saved(Status saved);

  std::string fileName_;
  std::vector<std::string> testedIndex_;
  TokenReader tokens_;
  Status loadStatus_;
  std::string loadNote_;
  bool unreadable_ = false;     // the file exists but its lines are not in memory
  bool rewriteNeeded_ = false;  // the file ends with a line cut short
  std::size_t savedCount_ = 0;  // ResultLines[0, savedCount_) are in the file
  bool closed_ = false;
  Status saveStatus_;
  bool saveFailedNewly_ = false;
};

}  // namespace parlavo

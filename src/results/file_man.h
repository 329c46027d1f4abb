// The results file "Results.txt": one line per correctly answered question.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "token_reader.h"

namespace parlavo {

class TFileMan {
 public:
  // Create: remembers the name, creates the file when missing and loads it.
  explicit TFileMan(std::string fileName);
  // Destroy: a last Save, unless Close already made it.
  ~TFileMan();
  TFileMan(const TFileMan&) = delete;
  TFileMan& operator=(const TFileMan&) = delete;

  // All result lines, file order; the question loop appends to it.
  std::vector<std::string> ResultLines;

  const std::string& FileName() const { return fileName_; }

  // Creates the file empty when it does not exist yet.
  void OpenFile();
  // Replaces ResultLines with the file's lines (CR LF, LF, and a last line without
  // a line end all count). A file that cannot be read leaves ResultLines empty and
  // LoadError() set; it is then protected from being overwritten (see Save).
  void Load();
  // Writes every line with CR LF into a new file and renames it into place, so a
  // failure leaves the previous file whole; the lines stay in memory either way.
  // While the file could not be read at start-up, Save first tries to read it
  // again and keeps its lines ahead of this run's; as long as it stays unreadable
  // it is not overwritten. Returns whether the file now holds ResultLines.
  bool Save();
  // The last Save, for an owner that wants its result; the destructor then saves
  // no more, so the file is written once at shutdown.
  bool Close();

  // The error of the start-up load ("" when it went well), for one report.
  const std::string& LoadError() const { return loadError_; }
  // The error of the last Save ("" when it succeeded).
  const std::string& SaveError() const { return saveError_; }
  // True when the last Save failed after a success (or as the first save), so
  // the window reports a lasting failure once rather than every 50 seconds.
  bool SaveFailedNewly() const { return saveFailedNewly_; }

  // The distinct first fields of ResultLines, sorted ignoring case.
  void BuildTestedIndex();
  // Whether `form` is the first field of some result line, ignoring case.
  bool IsTested(std::string_view form) const;
  const std::vector<std::string>& TestedIndex() const { return testedIndex_; }

  // Line `i` into the token buffer and returned; "ERROR" beyond the end, with the
  // buffer left alone.
  std::string SelectLine(std::size_t i);
  std::string NextToken(char separator) { return tokens_.NextToken(separator); }
  bool HasMoreTokens() const { return tokens_.HasMoreTokens(); }

 private:
  // Reads the file's lines into `lines`; false (and loadError_) when unreadable.
  bool ReadLines(std::vector<std::string>& lines);

  std::string fileName_;
  std::vector<std::string> testedIndex_;
  TokenReader tokens_;
  std::string loadError_;
  bool unreadable_ = false;  // the file exists but its lines are not in memory
  bool closed_ = false;
  std::string saveError_;
  bool saveFailedNewly_ = false;
};

}  // namespace parlavo

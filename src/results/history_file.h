// The file "History.txt": read once at start-up, written whole (atomically) with
// each save of the results. It is never written with less than it held: the lines
// read at start-up go back exactly as they were, damaged ones too, followed by the
// line of this run; a file that could not be read is left alone.
#pragma once

#include <string>
#include <vector>

#include "history.h"
#include "status.h"

namespace parlavo {

class THistoryFile {
 public:
  // Reads the file; a missing file is an empty history, not an error.
  explicit THistoryFile(std::string fileName);

  const std::string& FileName() const { return fileName_; }
  // The readable lines of the file as it was at start-up.
  const std::vector<HistoryEntry>& Entries() const { return history_.entries; }
  // Those and `run` (when it holds answers): what dates the results during a run.
  std::vector<HistoryEntry> EntriesWith(const HistoryEntry& run) const;

  // The outcome of the load, for one report: an error when the file could not be
  // read (it is then left alone and earlier answers count as long ago).
  const Status& LoadStatus() const { return loadStatus_; }
  // The damaged lines the load skipped ("" when none). Not an error: they are kept
  // and written back as they were.
  const std::string& LoadNote() const { return loadNote_; }

  // Writes the lines read at start-up and then the line of `run`, which replaces
  // the one an earlier save of this run wrote. A run without answers writes
  // nothing. A file unreadable at start-up is read again first and left untouched
  // while it stays unreadable. Returns whether the file now holds the run's line.
  bool Save(const HistoryEntry& run);
  // The outcome of the last Save.
  const Status& SaveStatus() const { return saveStatus_; }

 private:
  bool Read();

  std::string fileName_;
  std::vector<std::string> lines_;  // as read, to be written back unchanged
  HistoryLines history_;
  bool unreadable_ = false;
  Status loadStatus_;
  std::string loadNote_;
  Status saveStatus_;
};

}  // namespace parlavo

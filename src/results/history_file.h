// The file "History.txt": read once at start-up, written whole (atomically) with
// each save of the results. It is never written with less than it held: the lines
// read at start-up go back exactly as they were, damaged ones too, followed by the
// line of this run; a file that could not be read is left alone.
#pragma once

#include <string>
#include <vector>

#include "history.h"

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

  // What to tell the learner once about the load: damaged lines skipped, or a file
  // that could not be read ("" when all went well).
  const std::string& LoadMessage() const { return loadMessage_; }

  // Writes the lines read at start-up and then the line of `run`, which replaces
  // the one an earlier save of this run wrote. A run without answers writes
  // nothing. A file unreadable at start-up is read again first and left untouched
  // while it stays unreadable. Returns whether the file now holds the run's line.
  bool Save(const HistoryEntry& run);
  // The error of the last Save ("" when it succeeded).
  const std::string& SaveError() const { return saveError_; }

 private:
  bool Read();

  std::string fileName_;
  std::vector<std::string> lines_;  // as read, to be written back unchanged
  HistoryLines history_;
  bool unreadable_ = false;
  std::string loadMessage_;
  std::string saveError_;
};

}  // namespace parlavo

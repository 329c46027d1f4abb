// "History.txt": one line per program run that recorded answers, beside
// "Results.txt", which has no dates. A line reads
//   2026-12-10T14:02:10,101,125,25,8.40
// the run's local start, the first and last line numbers (from 1) of "Results.txt"
// that the run wrote, how many answers that is, and their average score. With it
// every result line has a day; lines that no history line covers count as
// answered long ago.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "local_day.h"

namespace parlavo {

struct HistoryEntry {
  LocalDateTime start;
  std::int64_t firstLine = 0;  // from 1
  std::int64_t lastLine = 0;   // inclusive
  std::int64_t count = 0;
  double average = 0;
  bool operator==(const HistoryEntry&) const = default;
};

std::string FormatHistoryLine(const HistoryEntry& entry);
// Nothing for a damaged line: not five fields, a start that is no date-time, a
// range that does not start at 1 or later or ends before it starts, a count below
// 0, or an average that is no number from -10 to 10.
std::optional<HistoryEntry> ParseHistoryLine(std::string_view line);

struct HistoryLines {
  std::vector<HistoryEntry> entries;  // the readable lines, file order
  std::size_t damaged = 0;            // lines skipped
  std::size_t firstDamaged = 0;       // its line number (from 1), 0 when none
};

// Blank lines are no entries and no damage.
HistoryLines ParseHistory(const std::vector<std::string>& lines);

// The one report of damaged lines, naming the file ("" when there are none).
std::string DamagedHistoryMessage(const HistoryLines& history, const std::string& fileName);

// The entry of a run that started at `start` and wrote the last `runCount` lines
// of `resultLines` (lines that do not parse add nothing to the average).
HistoryEntry RunEntry(const LocalDateTime& start, const std::vector<std::string>& resultLines, std::size_t runCount);

// The day of each of `resultCount` result lines. Where entries overlap (a
// "Results.txt" that was emptied or restored and written again), the entry that
// started last wins, and of two that started at the same moment the later in the
// list. Claims beyond the end of the file are ignored; uncovered lines are kUndated.
std::vector<Day> ResultDays(std::size_t resultCount, const std::vector<HistoryEntry>& entries);

}  // namespace parlavo

// The "By Verb" view of the statistics: one row per verb answered, weakest first,
// so the verbs that need work head the list.
#pragma once

#include <string>
#include <vector>

#include "history.h"
#include "local_day.h"
#include "statistics.h"

namespace parlavo {

struct VerbRow {
  std::string infinitive;
  Accumulator totals;     // summed like the other grids' rows
  Day lastDay = kUndated; // the latest day the verb was answered, when known
};

// Every verb with results, weakest first: lowest average score, then slowest
// average time, then by infinitive. `days` holds the day of each line
// (ResultDays). A line whose fields 3 to 7 are not whole numbers stops it with the
// statistics' message in `error`.
std::vector<VerbRow> VerbRows(const std::vector<std::string>& resultLines,
                              const std::vector<Day>& days, std::string& error);

// Row 0 "Verb", "#Tested", "Ave.Score", "Ave.Time", "Last Practised", "Comments";
// then one row per verb, the day as "2026-12-10" or "-", the comment by the rule
// of the other grids.
StatisticsGrid VerbGrid(const std::vector<VerbRow>& rows);

// Parses every line afresh, dates it by the history, builds the grid.
StatisticsTable BuildVerbStatistics(const std::vector<std::string>& resultLines,
                                    const std::vector<HistoryEntry>& history);

}  // namespace parlavo

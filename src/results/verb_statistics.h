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
  Accumulator totals;      // summed like the other grids' rows
  Day lastDay = kUndated;  // the latest day the verb was answered, when known
};

// Every verb with results, weakest first: lowest average score, then slowest
// average time, then by infinitive. `days` holds the day of each line
// (ResultDays). Lines that do not parse are left out and counted in `bad`, as the
// other grids leave them out.
std::vector<VerbRow> VerbRows(const std::vector<std::string>& resultLines, const std::vector<Day>& days,
                              BadLineReport& bad);

// Row 0 "Verb", "#Tested", "Ave.Score", "Ave.Time", "Last Practised", "Comments";
// then one row per verb, the day as "2026-12-10" or "-", the comment by the rule
// of the other grids.
StatisticsGrid VerbGrid(const std::vector<VerbRow>& rows);

// Parses every line afresh, dates it by the history, builds the grid from the good
// lines; `Error` reports the others as the other grids do.
StatisticsTable BuildVerbStatistics(const std::vector<std::string>& resultLines,
                                    const std::vector<HistoryEntry>& history,
                                    std::string_view fileName = "Results.txt");

}  // namespace parlavo

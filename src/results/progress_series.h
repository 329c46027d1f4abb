// The "Progress" view of the statistics: answers and average score day by day over
// the last 60 days that have answers, for a chart of bars and a line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "daily_practice.h"
#include "history.h"

namespace parlavo {

inline constexpr std::size_t kProgressDays = 60;

// What the page says instead of an empty chart.
inline constexpr std::string_view kNoProgressYet =
    "No dated answers yet. From now on each day you practise adds a bar of its answers "
    "and a point of its average score here.";

// The last `days` days with answers, oldest first; undated answers are not part of it.
std::vector<DayFigures> ProgressSeries(const std::vector<std::string>& resultLines,
                                       const std::vector<HistoryEntry>& history, std::size_t days = kProgressDays);

// The label of a day under its bar: "10 Dec".
std::string DayAxisLabel(Day day);
// The tooltip of a bar: "2026-12-10: 25 answers, average score 8.4".
std::string DayTooltip(const DayFigures& figures);

}  // namespace parlavo

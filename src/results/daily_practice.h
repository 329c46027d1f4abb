// Answers day by day, from the result lines and the day of each (history.h):
// the "Today" and streak figures of the tester page and the series of the
// progress chart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "local_day.h"

namespace parlavo {

struct DayFigures {
  Day day = 0;
  std::int64_t answers = 0;
  double averageScore = 0;
  bool operator==(const DayFigures&) const = default;
};

// One entry per day that has answers, oldest first. Undated lines and lines that
// do not parse are left out. `days` holds the day of each line (ResultDays).
std::vector<DayFigures> AnswersByDay(const std::vector<std::string>& resultLines, const std::vector<Day>& days);
// The same for one day only, without a pass over the other days' lines' text.
DayFigures AnswersOn(Day day, const std::vector<std::string>& resultLines, const std::vector<Day>& days);

// "Today: 12 answers, average 8.5"; "Today: 1 answer, average 10.0"; with none
// "Today: 0 answers".
std::string TodayText(const DayFigures& today);

// Consecutive days with answers up to today, or up to yesterday while today has
// none yet (the streak is not broken before the day is over). `byDay` is
// AnswersByDay's result.
int StreakDays(const std::vector<DayFigures>& byDay, Day today);
// "5-day streak" from 2 days on; "" otherwise.
std::string StreakText(int days);

}  // namespace parlavo

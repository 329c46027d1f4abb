#include "daily_practice.h"

#include <algorithm>
#include <map>

#include "number_text.h"
#include "result_line.h"

namespace parlavo {

namespace {

struct Sum {
  std::int64_t answers = 0;
  std::int64_t score = 0;
  void Add(int value) {
    ++answers;
    score += value;
  }
  DayFigures Figures(Day day) const {
    return {day, answers, answers ? static_cast<double>(score) / static_cast<double>(answers) : 0};
  }
};

}  // namespace

std::vector<DayFigures> AnswersByDay(const std::vector<std::string>& resultLines, const std::vector<Day>& days) {
  std::map<Day, Sum> sums;
  ResultFields fields;
  const std::size_t count = std::min(resultLines.size(), days.size());
  for (std::size_t i = 0; i < count; ++i) {
    if (days[i] == kUndated || !ParseResultFields(resultLines[i], fields)) continue;
    sums[days[i]].Add(fields.score);
  }
  std::vector<DayFigures> byDay;
  byDay.reserve(sums.size());
  for (const auto& [day, sum] : sums) byDay.push_back(sum.Figures(day));
  return byDay;
}

DayFigures AnswersOn(Day day, const std::vector<std::string>& resultLines, const std::vector<Day>& days) {
  Sum sum;
  ResultFields fields;
  const std::size_t count = std::min(resultLines.size(), days.size());
  for (std::size_t i = 0; i < count; ++i)
    if (days[i] == day && day != kUndated && ParseResultFields(resultLines[i], fields)) sum.Add(fields.score);
  return sum.Figures(day);
}

std::string TodayText(const DayFigures& today) {
  if (today.answers == 0) return "Today: 0 answers";
  return "Today: " + std::to_string(today.answers) + (today.answers == 1 ? " answer" : " answers") + ", average " +
         FormatFixed(today.averageScore, 1);
}

int StreakDays(const std::vector<DayFigures>& byDay, Day today) {
  // Newest first; days after today (a clock put back) are not part of it.
  auto it = std::upper_bound(byDay.begin(), byDay.end(), today,
                             [](Day day, const DayFigures& figures) { return day < figures.day; });
  if (it == byDay.begin()) return 0;
  --it;
  if (it->day < today - 1) return 0;
  int streak = 1;
  while (it != byDay.begin() && std::prev(it)->day == it->day - 1) {
    --it;
    ++streak;
  }
  return streak;
}

std::string StreakText(int days) { return days >= 2 ? std::to_string(days) + "-day streak" : ""; }

}  // namespace parlavo

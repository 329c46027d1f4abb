#include "progress_series.h"

#include <array>
#include <chrono>

#include "number_text.h"

namespace parlavo {

std::vector<DayFigures> ProgressSeries(const std::vector<std::string>& resultLines,
                                       const std::vector<HistoryEntry>& history, std::size_t days) {
  std::vector<DayFigures> byDay = AnswersByDay(resultLines, ResultDays(resultLines.size(), history));
  if (byDay.size() > days) byDay.erase(byDay.begin(), byDay.end() - static_cast<std::ptrdiff_t>(days));
  return byDay;
}

std::string DayAxisLabel(Day day) {
  static constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{day}}};
  return std::to_string(static_cast<unsigned>(date.day())) + " " +
         std::string(kMonths[(static_cast<unsigned>(date.month()) + 11) % 12]);
}

std::string DayTooltip(const DayFigures& figures) {
  return FormatDay(figures.day) + ": " + std::to_string(figures.answers) +
         (figures.answers == 1 ? " answer" : " answers") + ", average score " + FormatFixed(figures.averageScore, 1);
}

}  // namespace parlavo

#include "local_day.h"

#include <algorithm>
#include <chrono>
#include <charconv>
#include <cstdio>
#include <ctime>

namespace parlavo {

namespace {

// Reads exactly `width` digits at `pos`.
std::optional<int> Digits(std::string_view text, std::size_t pos, std::size_t width) {
  if (pos + width > text.size()) return std::nullopt;
  int value = 0;
  for (std::size_t i = pos; i < pos + width; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

Day DayOf(int year, int month, int dayOfMonth) {
  using namespace std::chrono;
  const sys_days days{std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
                      std::chrono::day{static_cast<unsigned>(dayOfMonth)}};
  return static_cast<Day>(days.time_since_epoch().count());
}

std::optional<LocalDateTime> ParseDateTime(std::string_view text) {
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':')
    return std::nullopt;
  const auto year = Digits(text, 0, 4), month = Digits(text, 5, 2), mday = Digits(text, 8, 2);
  const auto hour = Digits(text, 11, 2), minute = Digits(text, 14, 2), second = Digits(text, 17, 2);
  if (!year || !month || !mday || !hour || !minute || !second) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year{*year}, std::chrono::month{static_cast<unsigned>(*month)},
                                         std::chrono::day{static_cast<unsigned>(*mday)}};
  // A leap second (":60") is a real local time; it is read as the second before.
  if (!date.ok() || *hour > 23 || *minute > 59 || *second > 60) return std::nullopt;
  return LocalDateTime{DayOf(*year, *month, *mday), (*hour * 60 + *minute) * 60 + std::min(*second, 59)};
}

std::string FormatDay(Day day) {
  if (day == kUndated) return "-";
  const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{day}}};
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                static_cast<unsigned>(date.day()));
  return text;
}

std::string FormatDateTime(const LocalDateTime& when) {
  char time[40];
  std::snprintf(time, sizeof time, "T%02d:%02d:%02d", when.secondOfDay / 3600, when.secondOfDay / 60 % 60,
                when.secondOfDay % 60);
  return FormatDay(when.day) + time;
}

LocalDateTime LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return LocalDateTime{DayOf(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday),
                       (local.tm_hour * 60 + local.tm_min) * 60 + std::min(local.tm_sec, 59)};
}

}  // namespace parlavo

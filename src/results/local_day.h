// Calendar days and local date-times as "History.txt" writes them. A day is a
// count of days since 1970-01-01 on the learner's own calendar, so "today",
// "yesterday" and "7 days old" are plain integer arithmetic.
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace parlavo {

using Day = int;

// The day of an answer that no history line dates: long before any real day, so it
// counts as the oldest and as due in every box, and never as today.
inline constexpr Day kUndated = std::numeric_limits<int>::min() / 4;

struct LocalDateTime {
  Day day = 0;
  int secondOfDay = 0;  // 0 .. 86399
  auto operator<=>(const LocalDateTime&) const = default;
};

// "2026-12-10T14:02:10": ISO 8601 with the "T", local time, no zone, exactly as
// written by FormatDateTime. Anything else (or an impossible date) gives nothing.
std::optional<LocalDateTime> ParseDateTime(std::string_view text);
std::string FormatDateTime(const LocalDateTime& when);
// "2026-12-10"; "-" for kUndated.
std::string FormatDay(Day day);
// The day of a calendar date (no checks; month 1..12, day 1..31).
Day DayOf(int year, int month, int dayOfMonth);

// The local date and time now, from the system clock and time zone.
LocalDateTime LocalNow();

}  // namespace parlavo

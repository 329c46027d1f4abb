// Spaced review of one item: its box from 1 to 5 and when it is due again.
// An item starts in box 1; an answer of 10 moves it up one box (5 at most), any
// lower score sends it back to box 1. In box b it is due once its last answer is
// at least 0, 1, 3, 7 or 21 days old, so a form got wrong is due again at once and
// a form known well comes back ever more rarely.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "local_day.h"

namespace parlavo {

inline constexpr int kReviewBoxes = 5;
inline constexpr std::array<int, kReviewBoxes> kDueAfterDays = {0, 1, 3, 7, 21};

// The box after an answer scored `score` in box `box`.
inline int NextBox(int box, int score) { return score == 10 ? std::clamp(box + 1, 1, kReviewBoxes) : 1; }
// Whether an item in `box` last answered on `lastAnswer` is due on `today`. An
// answer dated after today (a clock put back) counts as given today.
inline bool IsDue(int box, Day lastAnswer, Day today) {
  const long long age = std::max(0LL, static_cast<long long>(today) - lastAnswer);
  return age >= kDueAfterDays[static_cast<std::size_t>(std::clamp(box, 1, kReviewBoxes) - 1)];
}

// What the review needs of one item, its answers folded in file order.
// Small, as there is one per item of the data.
struct ReviewState {
  bool answered = false;
  std::int8_t box = 1;
  bool lastWrong = false;      // the latest answer scored below 10
  std::uint32_t lastLine = 0;  // index in the results of the latest answer
  Day lastDay = kUndated;

  void Answer(std::size_t line, int score, Day day) {
    answered = true;
    box = static_cast<std::int8_t>(NextBox(box, score));
    lastWrong = score < 10;
    lastLine = static_cast<std::uint32_t>(line);
    lastDay = day;
  }
  bool DueOn(Day today) const { return answered && IsDue(box, lastDay, today); }
};

}  // namespace parlavo

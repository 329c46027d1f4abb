#include "review_box.h"

#include <algorithm>

namespace parlavo {

int NextBox(int box, int score) {
  return score == 10 ? std::clamp(box + 1, 1, kReviewBoxes) : 1;
}

bool IsDue(int box, Day lastAnswer, Day today) {
  const long long age = std::max(0LL, static_cast<long long>(today) - lastAnswer);
  return age >= kDueAfterDays[static_cast<std::size_t>(std::clamp(box, 1, kReviewBoxes) - 1)];
}

}  // namespace parlavo

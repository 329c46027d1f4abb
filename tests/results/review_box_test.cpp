#include "review_box.h"

#include <gtest/gtest.h>

#include <vector>

namespace parlavo {
namespace {

TEST(ReviewBox, MovesUpOnTenAndBackToOneOnAnythingElse) {
  const struct {
    std::vector<int> scores;
    int box;
  } cases[] = {
      {{}, 1},
      {{10}, 2},
      {{9}, 1},
      {{10, 10, 10}, 4},
      {{10, 10, 10, 10, 10, 10}, 5},  // 5 is the top
      {{10, 10, 10, 7}, 1},
      {{10, 10, -5, 10}, 2},
      {{-10, -10}, 1},
  };
  for (const auto& c : cases) {
    ReviewState state;
    for (std::size_t i = 0; i < c.scores.size(); ++i) state.Answer(i, c.scores[i], 0);
    EXPECT_EQ(state.box, c.box) << ::testing::PrintToString(c.scores);
    EXPECT_EQ(state.answered, !c.scores.empty());
  }
}

TEST(ReviewBox, DueAfterZeroOneThreeSevenOrTwentyOneDays) {
  const Day today = 20000;
  const struct {
    int box;
    int age;  // days since the last answer
    bool due;
  } cases[] = {
      // clang-format off
      {1, 0, true},   {2, 0, false}, {2, 1, true},   {3, 2, false}, {3, 3, true},
      {4, 6, false},  {4, 7, true},  {5, 20, false}, {5, 21, true}, {5, 400, true},
      {2, -3, false},  // dated after today: counts as today
      {1, -3, true},
      // clang-format on
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsDue(c.box, today - c.age, today), c.due) << "box " << c.box << " age " << c.age;
  // Answers no history dates are long ago: due in every box.
  for (int box = 1; box <= kReviewBoxes; ++box) EXPECT_TRUE(IsDue(box, kUndated, today)) << box;
}

TEST(ReviewBox, OnlyAnsweredItemsAreEverDue) {
  ReviewState state;
  EXPECT_FALSE(state.DueOn(kUndated));
  state.Answer(3, 10, 100);
  EXPECT_FALSE(state.DueOn(100));
  EXPECT_TRUE(state.DueOn(101));
  EXPECT_EQ(state.lastLine, 3u);
  EXPECT_EQ(state.lastDay, 100);
}

}  // namespace
}  // namespace parlavo

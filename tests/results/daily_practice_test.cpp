#include "daily_practice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace parlavo {
namespace {

using Lines = std::vector<std::string>;

TEST(DailyPractice, AnswersAndAverageByDay) {
  const Lines lines = {"a,x,1,1,0,10,4", "b,x,1,1,0,7,3", "c,x,1,1,0,9,3", "broken,x,q,1,0,9,3", "d,x,1,1,0,-10,30"};
  const std::vector<Day> days = {kUndated, 5, 5, 5, 7};
  EXPECT_EQ(AnswersByDay(lines, days), (std::vector<DayFigures>{{5, 2, 8.0}, {7, 1, -10.0}}));
  EXPECT_EQ(AnswersOn(5, lines, days), (DayFigures{5, 2, 8.0}));
  EXPECT_EQ(AnswersOn(6, lines, days), (DayFigures{6, 0, 0}));
  EXPECT_EQ(AnswersOn(kUndated, lines, days).answers, 0);  // long ago is never a day
}

TEST(DailyPractice, TodayText) {
  EXPECT_EQ(TodayText({1, 0, 0}), "Today: 0 answers");
  EXPECT_EQ(TodayText({1, 1, 10}), "Today: 1 answer, average 10.0");
  EXPECT_EQ(TodayText({1, 12, 8.4166}), "Today: 12 answers, average 8.4");
  EXPECT_EQ(TodayText({1, 2, -2.5}), "Today: 2 answers, average -2.5");
}

TEST(DailyPractice, StreakOfConsecutiveDays) {
  const Day today = 100;
  const struct {
    const char* name;
    std::vector<Day> days;  // days with answers
    int streak;
    const char* text;
  } cases[] = {
      {"no answers", {}, 0, ""},
      {"today only", {100}, 1, ""},
      {"three days up to today", {98, 99, 100}, 3, "3-day streak"},
      {"up to yesterday: not broken yet today", {97, 98, 99}, 3, "3-day streak"},
      {"ended the day before yesterday", {96, 97, 98}, 0, ""},
      {"a gap ends it", {95, 96, 98, 99, 100}, 3, "3-day streak"},
      {"a day after today is left out", {99, 100, 101}, 2, "2-day streak"},
  };
  for (const auto& c : cases) {
    std::vector<DayFigures> byDay;
    for (Day day : c.days) byDay.push_back({day, 1, 10});
    EXPECT_EQ(StreakDays(byDay, today), c.streak) << c.name;
    EXPECT_EQ(StreakText(StreakDays(byDay, today)), c.text) << c.name;
  }
}

}  // namespace
}  // namespace parlavo

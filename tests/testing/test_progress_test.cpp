#include "test_progress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "question_loop.h"
#include "testing_fixtures.h"

namespace parlavo {
namespace {

using testing::AddItem;

// What the learner does, one action at a time.
enum class Act {
  kRight,
  kWrongThenRight,
  kAnswerThenType,
  kNext,
  kPrevious,
  kClick0,
  kClick1,
  kClick2,
  kPauseEnds,
  kNewTest
};

class TestProgressTest : public ::testing::Test {
 protected:
  TestProgressTest() {
    // clang-format off
    AddItem(items, "tener", "tengo", true, kYo, kPresent, "to have");
    AddItem(items, "tener", "ten\xED" "a", false, kYo, kImperfect, "to have");
    AddItem(items, "ser", "soy", true, kYo, kPresent, "to be");
    // clang-format on
    rows = {&items[0], &items[1], &items[2]};
  }

  void Start(bool pause) {
    options.pause = pause;
    loop = std::make_unique<QuestionLoop>(options, &lines, [this] { return now; });
    loop->StartTest(rows);
  }

  LoopUpdate Type(const std::string& text) {
    LoopUpdate update;
    for (char c : text) {
      const LoopUpdate step = loop->TextChanged(loop->View().boxText + c);
      update.steps.insert(update.steps.end(), step.steps.begin(), step.steps.end());
    }
    return update;
  }

  // Carries out `act` (taking `seconds` to answer); the steps it gave.
  std::vector<Step> Do(Act act, double seconds = 2) {
    now += seconds / 86400.0;
    switch (act) {
      case Act::kRight: return Type(loop->ExpectedForm()).steps;
      case Act::kWrongThenRight:
        Type("#");
        loop->TextChanged("");
        return Type(loop->ExpectedForm()).steps;
      case Act::kAnswerThenType: loop->AnswerClicked(); return Type(loop->ExpectedForm()).steps;
      case Act::kNext: return loop->MoveQuestion(+1).steps;
      case Act::kPrevious: return loop->MoveQuestion(-1).steps;
      case Act::kClick0:
      case Act::kClick1:
      case Act::kClick2: return loop->RowClicked(static_cast<int>(act) - static_cast<int>(Act::kClick0)).steps;
      case Act::kPauseEnds: return loop->PauseEnded().steps;
      case Act::kNewTest: return loop->StartTest(rows).steps;
    }
    return {};
  }

  TOptions options;
  std::vector<std::string> lines;
  double now = 0.5;
  VerbList items;
  TestList rows;
  std::unique_ptr<QuestionLoop> loop;
};

bool HasDone(const std::vector<Step>& steps) {
  return std::find(steps.begin(), steps.end(), Step::TestDone) != steps.end();
}

// The action after which the test is done, for scripts over three questions.
TEST_F(TestProgressTest, DoneOnceEveryQuestionIsRecorded) {
  using enum Act;
  const struct {
    const char* name;
    bool pause;
    std::vector<Act> script;
    int doneAt;  // index of the action that completes the test, -1 for none
  } cases[] = {
      // clang-format off
      {"in order", false, {kRight, kRight, kRight}, 2},
      {"two of three are not done", false, {kRight, kRight}, -1},
      {"wraps round: the skipped one is still missing", false,
       {kRight, kNext, kRight, kRight, kRight}, 4},
      {"moving on without answering records nothing", false, {kNext, kNext, kNext, kRight}, -1},
      {"moving back", false, {kPrevious, kRight, kRight, kRight}, 3},
      {"row clicks in any order", false, {kClick2, kRight, kClick1, kRight, kClick0, kRight}, 5},
      {"answers with help count", false, {kAnswerThenType, kWrongThenRight, kAnswerThenType}, 2},
      {"once only, not again on the next round", false,
       {kRight, kRight, kRight, kRight, kRight, kRight}, 2},
      {"a new test starts afresh", false, {kRight, kRight, kNewTest, kRight, kRight}, -1},
      {"with the pause: done when it ends", true,
       {kRight, kPauseEnds, kRight, kPauseEnds, kRight, kPauseEnds}, 5},
      {"a move during the last pause records and completes", true,
       {kRight, kPauseEnds, kRight, kPauseEnds, kRight, kNext}, 5},
      {"a row click during the last pause completes too", true,
       {kRight, kPauseEnds, kRight, kPauseEnds, kRight, kClick1}, 5},
      {"a new test during the last pause shows no summary", true,
       {kRight, kPauseEnds, kRight, kPauseEnds, kRight, kNewTest}, -1},
      // clang-format on
  };
  for (const auto& c : cases) {
    Start(c.pause);
    int doneAt = -1;
    for (std::size_t i = 0; i < c.script.size(); ++i)
      if (HasDone(Do(c.script[i]))) {
        EXPECT_EQ(doneAt, -1) << c.name << ": done twice";
        doneAt = static_cast<int>(i);
      }
    EXPECT_EQ(doneAt, c.doneAt) << c.name;
    EXPECT_EQ(loop->Progress().Done(), c.doneAt >= 0) << c.name;
  }
}

TEST_F(TestProgressTest, StepsEndWithTestDoneAfterTheNextQuestionIsUp) {
  Start(false);
  Do(Act::kRight);
  Do(Act::kRight);
  const std::vector<Step> last = Do(Act::kRight);
  ASSERT_FALSE(last.empty());
  EXPECT_EQ(last.back(), Step::TestDone);
  EXPECT_EQ(loop->View().currentRow, 0);  // wrapped round, as before
}

TEST_F(TestProgressTest, SummaryOfATestWithMissedForms) {
  Start(false);
  // clang-format off
  Do(Act::kRight, 4);           // tengo: 10 at the first try
  Do(Act::kWrongThenRight, 6);  // tenía: 7
  Do(Act::kPrevious);
  Do(Act::kRight, 2);           // tenía again: 10, still a missed form
  EXPECT_TRUE(HasDone(Do(Act::kAnswerThenType, 8)));  // soy: -10
  // clang-format on

  const TestSummary summary = loop->Summary();
  EXPECT_EQ(summary.questions, 3u);
  EXPECT_EQ(summary.rightFirstTime, 1u);
  EXPECT_EQ(summary.answers, 4);
  EXPECT_DOUBLE_EQ(summary.averageScore, (10 + 7 + 10 - 10) / 4.0);
  EXPECT_EQ(summary.totalSeconds, 4 + 6 + 2 + 8);
  EXPECT_DOUBLE_EQ(summary.averageSeconds, 20 / 4.0);
  ASSERT_EQ(summary.missed.size(), 2u);
  EXPECT_EQ(summary.missed[0].item, &items[1]);
  EXPECT_EQ(summary.missed[0].bestScore, 10);
  EXPECT_EQ(summary.missed[1].item, &items[2]);
  EXPECT_EQ(summary.missed[1].bestScore, -10);

  EXPECT_EQ(SummaryLines(summary),
            (std::vector<std::string>{"Questions: 3", "Right at the first try: 1 of 3", "Average score: 4.2",
                                      "Average time: 5.0 s", "Total time: 20 s"}));
  // clang-format off
  EXPECT_EQ(MissedFormText(summary.missed[0]),
            "tener : Imperfect , Yo  -  ten\xED" "a  (best score 10)");
  // clang-format on

  std::mt19937 random(7);
  EXPECT_EQ(MissedTest(summary, false, random), (TestList{&items[1], &items[2]}));
  TestList shuffled = MissedTest(summary, true, random);
  std::sort(shuffled.begin(), shuffled.end());
  TestList missed{&items[1], &items[2]};
  std::sort(missed.begin(), missed.end());
  EXPECT_EQ(shuffled, missed);
}

TEST(TestSummary, NothingMissedAndLongTimes) {
  TestProgress progress;
  progress.Start(2);
  EXPECT_FALSE(progress.Record(0, 10, 30));
  EXPECT_FALSE(progress.Record(5, 10, 30));  // not a row of the list
  EXPECT_TRUE(progress.Record(1, 10, 95));
  const TestSummary summary = Summarise({nullptr, nullptr}, progress);
  EXPECT_TRUE(summary.missed.empty());
  EXPECT_EQ(SummaryLines(summary)[4], "Total time: 2 min 05 s");
  std::mt19937 random;
  EXPECT_TRUE(MissedTest(summary, true, random).empty());

  TestProgress empty;
  empty.Start(0);
  EXPECT_EQ(SummaryLines(Summarise({}, empty))[2], "Average score: 0.0");
}

}  // namespace
}  // namespace parlavo

#include "question_loop.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "testing_fixtures.h"

namespace parlavo {
namespace {

using testing::AddItem;

class QuestionLoopTest : public ::testing::Test {
 protected:
  QuestionLoopTest() {
    options.pause = false;  // most cases look at what happens once the answer is in
    // clang-format off
    AddItem(items, "tener", "tengo", true, kYo, kPresent, "to have");
    AddItem(items, "tener", "ten\xED" "a", false, kYo, kImperfect, "to have");
    AddItem(items, "ser", "soy", true, kYo, kPresent, "to be");
    AddItem(items, "hablar", "ha hablado", false, kEl, kPerfect, "to speak");
    // clang-format on
  }

  // Starts a test of the given rows of `items` (all of them by default).
  void Start(std::vector<int> rows = {0, 1, 2, 3}) {
    loop = std::make_unique<QuestionLoop>(options, &lines, [this] { return now; });
    TestList test;
    for (int row : rows) test.push_back(&items[row]);
    loop->StartTest(test);
  }

  // Types `text` one character at a time at the end of the box; returns the update of
  // the last keystroke.
  LoopUpdate Type(const std::string& text) {
    LoopUpdate last;
    for (char c : text) {
      const std::string box = loop->View().boxText;
      loop->KeyDown(static_cast<int>(box.size()), 'A');
      last = loop->TextChanged(box + c);
    }
    return last;
  }

  void Wait(double seconds) { now += seconds / 86400.0; }

  const std::string& Box() const { return loop->View().boxText; }

  TOptions options;
  std::vector<std::string> lines;
  double now = 0.5;
  VerbList items;
  std::unique_ptr<QuestionLoop> loop;
};

const std::vector<Step> kBeeps = {Step::Beep, Step::Beep, Step::Beep};
std::vector<Step> Then(std::vector<Step> first, const std::vector<Step>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}
const std::vector<Step> kFinish = {Step::ClearBox, Step::RecordResult, Step::MoveQuestion};

TEST_F(QuestionLoopTest, RightAnswerTypedLetterByLetter) {
  Start();
  EXPECT_EQ(loop->View().lbTense, "Present");
  EXPECT_EQ(loop->View().lbPerson, "Yo");
  EXPECT_EQ(loop->View().lbVerb, "tener");
  for (std::string prefix : {"t", "te", "ten", "teng"}) {
    const LoopUpdate update = Type(prefix.substr(prefix.size() - 1));
    EXPECT_FALSE(update.correct) << prefix;
    EXPECT_EQ(update.colours, (std::vector<ColourRun>{{0, prefix.size(), kBlack}})) << prefix;
    EXPECT_EQ(update.score, 10);
  }
  Wait(3);
  const LoopUpdate done = Type("o");
  EXPECT_TRUE(done.correct);
  EXPECT_EQ(done.colours, (std::vector<ColourRun>{{0, 5, kGreen}}));
  EXPECT_EQ(done.steps, Then(kBeeps, kFinish));
  EXPECT_EQ(lines, (std::vector<std::string>{"tengo,tener,1,1,1,10,3"}));
  EXPECT_EQ(done.recorded, lines);
  EXPECT_EQ(loop->View().currentRow, 1);
  EXPECT_EQ(loop->View().lbTense, "Imperfect");
  EXPECT_EQ(Box(), "");
  EXPECT_EQ(loop->Score(), 10);
}

TEST_F(QuestionLoopTest, MissingAccentCostsOnePoint) {
  Start({1});
  const LoopUpdate update = Type("tenia");
  EXPECT_FALSE(update.correct);
  EXPECT_EQ(update.colours, (std::vector<ColourRun>{{0, 3, kBlack}, {3, 1, kTeal}, {4, 1, kBlack}}));
  EXPECT_EQ(update.score, 9);
  loop->TextChanged("ten");
  // clang-format off
  EXPECT_TRUE(Type("\xED" "a").correct);
  EXPECT_EQ(lines, (std::vector<std::string>{"ten\xED" "a,tener,1,3,0,9,0"}));
  // clang-format on
}

TEST_F(QuestionLoopTest, CapitalLetterIsWrongUntilCorrected) {
  Start({0});
  const LoopUpdate update = Type("Tengo");
  EXPECT_FALSE(update.correct);
  EXPECT_EQ(update.colours.front(), (ColourRun{0, 1, kRed}));
  EXPECT_EQ(update.score, 7);
  EXPECT_TRUE(loop->TextChanged("tengo").correct);
  EXPECT_EQ(lines, (std::vector<std::string>{"tengo,tener,1,1,1,7,0"}));
}

TEST_F(QuestionLoopTest, RecordedScoreByModeAndWayOfTyping) {
  struct Case {
    const char* name;
    bool word, showerr, pasted;
    int recorded;
  };
  // clang-format off
  for (const Case& c : {Case{"letters typed", false, true, false, 10},
                        Case{"letters pasted", false, true, true, 10},
                        Case{"whole word typed", true, true, false, 7},
                        Case{"whole word pasted", true, true, true, 7},
                        Case{"errors hidden typed", false, false, false, 7},
                        Case{"errors hidden pasted", false, false, true, 7}}) {
    // clang-format on
    options.word = c.word;
    options.letters = !c.word;
    options.showerr = c.showerr;
    lines.clear();
    Start({0, 2});
    loop->MoveQuestion(+1);
    loop->MoveQuestion(+1);  // a question started by moving begins at 10
    ASSERT_EQ(loop->Score(), 10) << c.name;
    if (c.word && c.showerr) {
      EXPECT_EQ(Type("te").colours, (std::vector<ColourRun>{{0, 2, kRed}})) << c.name;
      loop->TextChanged("");
    }
    const LoopUpdate done = c.pasted ? loop->TextChanged("tengo") : Type("tengo");
    EXPECT_TRUE(done.correct) << c.name;
    ASSERT_EQ(lines.size(), 1u) << c.name;
    EXPECT_EQ(lines[0], "tengo,tener,1,1,1," + std::to_string(c.recorded) + ",0") << c.name;
  }
}

TEST_F(QuestionLoopTest, ExactLengthCutsWhatIsTyped) {
  options.move = false;
  Start({2});
  EXPECT_EQ(loop->View().maxLength, 3);
  const LoopUpdate update = loop->TextChanged("soyx");
  EXPECT_EQ(Box(), "soy");
  EXPECT_TRUE(update.correct);
  // The window writes the cut text back; that echo is not a new answer.
  const LoopUpdate echo = loop->TextChanged(Box());
  EXPECT_TRUE(echo.steps.empty());
  EXPECT_EQ(loop->View().boxColours, (std::vector<ColourRun>{{0, 3, kGreen}}));
}

TEST_F(QuestionLoopTest, WithoutExactLengthExtraLettersAreRed) {
  options.exact = false;
  Start({2});
  EXPECT_EQ(loop->View().maxLength, 50);
  const LoopUpdate update = loop->TextChanged("soyx");
  EXPECT_FALSE(update.correct);
  EXPECT_EQ(update.colours, (std::vector<ColourRun>{{0, 3, kBlack}, {3, 1, kRed}}));
  EXPECT_EQ(update.score, 7);
}

TEST_F(QuestionLoopTest, NextLetterFixesOrExtendsAndCostsFivePoints) {
  Start({0});
  LoopUpdate update = loop->NextLetterClicked(0);
  EXPECT_EQ(Box(), "t");
  EXPECT_EQ(update.score, -5);

  struct Case {
    std::string typed;
    int caret;
    std::string after;
    int caretAfter;
  };
  for (const Case& c :
       {Case{"ten", 3, "teng", 4}, Case{"tXng", 4, "teng", 4}, Case{"tXng", 1, "teng", 1}, Case{"", 0, "t", 1}}) {
    loop->TextChanged(c.typed);
    loop->NextLetterClicked(c.caret);
    EXPECT_EQ(Box(), c.after) << c.typed;
    EXPECT_EQ(loop->View().caret, c.caretAfter) << c.typed;
  }
  EXPECT_EQ(loop->InsertNextLetter("tengo"), "tengo");

  loop->TextChanged("tenga");
  EXPECT_TRUE(loop->NextLetterClicked(5).correct);
  EXPECT_EQ(lines, (std::vector<std::string>{"tengo,tener,1,1,1,-5,0"}));
}

TEST_F(QuestionLoopTest, AnswerButtonShowsTheFormAndCostsTenPoints) {
  Start({0, 2});
  const LoopUpdate update = loop->AnswerClicked();
  EXPECT_EQ(update.score, -10);
  EXPECT_TRUE(loop->View().lbAnswerVisible);
  EXPECT_EQ(loop->View().lbAnswer, "tengo");
  EXPECT_TRUE(Type("tengo").correct);
  EXPECT_FALSE(loop->View().lbAnswerVisible) << "hidden again for the next question";

  loop->AnswerClicked();
  loop->NextLetterClicked(0);
  Type("oy");
  EXPECT_EQ(lines, (std::vector<std::string>{"tengo,tener,1,1,1,-10,0", "soy,ser,1,1,1,-5,0"}));
}

TEST_F(QuestionLoopTest, WithoutMoveOnNothingIsRecorded) {
  options.move = false;
  Start({0, 2});
  const LoopUpdate done = Type("tengo");
  EXPECT_TRUE(done.correct);
  EXPECT_EQ(done.steps, kBeeps);
  EXPECT_TRUE(lines.empty());
  EXPECT_TRUE(loop->Answered());
  EXPECT_EQ(loop->View().currentRow, 0);
  // Further edits never count as right again, but are still checked.
  loop->TextChanged("tenga");
  EXPECT_EQ(loop->Score(), 7);
  EXPECT_FALSE(loop->TextChanged("tengo").correct);
  loop->MoveQuestion(+1);
  EXPECT_EQ(loop->Score(), 10);
  EXPECT_FALSE(loop->Answered());
  EXPECT_TRUE(Type("soy").correct);
  EXPECT_TRUE(lines.empty());
}

TEST_F(QuestionLoopTest, BeepOnlyWhenAsked) {
  options.beep = false;
  Start({0});
  // The one question of the test answered: the test is done too.
  EXPECT_EQ(Type("tengo").steps, Then(kFinish, {Step::TestDone}));
}

TEST_F(QuestionLoopTest, SecondsTakenAreRoundedAndClamped) {
  struct Case {
    double seconds;
    int recorded;
  };
  for (const Case& c : {Case{2.5, 2}, Case{3.5, 4}, Case{12.2, 12}, Case{45, 30}}) {
    lines.clear();
    Start({0});
    Wait(c.seconds);
    Type("tengo");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "tengo,tener,1,1,1,10," + std::to_string(c.recorded)) << c.seconds;
  }
}

TEST_F(QuestionLoopTest, QuestionOverMidnightRecords30) {
  now = 86399.5 / 86400.0;
  Start({0});
  now = 1.0 / 86400.0;
  Type("tengo");
  EXPECT_EQ(lines, (std::vector<std::string>{"tengo,tener,1,1,1,10,30"}));
}

TEST_F(QuestionLoopTest, PauseHoldsTheAnswerUntilTheTimerEnds) {
  options.pause = true;
  options.pausetime = 0.5f;
  Start({0, 2});
  Wait(2);
  const LoopUpdate done = Type("tengo");
  EXPECT_TRUE(done.correct);
  EXPECT_EQ(done.steps, Then(kBeeps, {Step::StartPause}));
  EXPECT_EQ(done.pauseMs, 500);
  EXPECT_TRUE(loop->Pausing());
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(Box(), "tengo");
  EXPECT_EQ(loop->View().boxColours, (std::vector<ColourRun>{{0, 5, kGreen}}));

  Wait(0.5);  // the pause is not the question's time
  const LoopUpdate after = loop->PauseEnded();
  EXPECT_EQ(after.steps, kFinish);
  EXPECT_FALSE(loop->Pausing());
  EXPECT_EQ(lines, (std::vector<std::string>{"tengo,tener,1,1,1,10,2"}));
  EXPECT_EQ(loop->View().currentRow, 1);

  EXPECT_TRUE(loop->PauseEnded().steps.empty()) << "a stale timer does nothing";
  EXPECT_EQ(lines.size(), 1u);
}

TEST_F(QuestionLoopTest, PauseLengthInMilliseconds) {
  struct Case {
    float pausetime;
    int ms;  // 0: no pause at all
  };
  for (const Case& c : {Case{0.5f, 500}, Case{2.25f, 2250}, Case{0.0006f, 1}, Case{0.0004f, 0}, Case{0, 0}, Case{-1, 0},
                        Case{std::numeric_limits<float>::quiet_NaN(), 0}, Case{1e12f, 1 << 30}}) {
    options.pause = true;
    options.pausetime = c.pausetime;
    lines.clear();
    Start({0});
    const LoopUpdate done = Type("tengo");
    EXPECT_EQ(done.pauseMs, c.ms) << c.pausetime;
    EXPECT_EQ(loop->Pausing(), c.ms > 0) << c.pausetime;
    EXPECT_EQ(lines.size(), c.ms > 0 ? 0u : 1u) << c.pausetime;
  }
}

TEST_F(QuestionLoopTest, HelpDuringThePauseChangesTheRecordedScore) {
  options.pause = true;
  Start({0, 2});
  Type("tengo");
  loop->NextLetterClicked(5);
  EXPECT_EQ(Box(), "tengo") << "no letter is inserted during the pause";
  EXPECT_EQ(loop->Score(), -5);
  loop->AnswerClicked();
  loop->PauseEnded();
  EXPECT_EQ(lines, (std::vector<std::string>{"tengo,tener,1,1,1,-10,0"}));
}

TEST_F(QuestionLoopTest, MovingDuringThePauseRecordsOnceAndMovesOnce) {
  struct Case {
    const char* name;
    std::function<LoopUpdate(QuestionLoop&)> act;
    int row;
  };
  for (const Case& c : {Case{"next", [](QuestionLoop& l) { return l.MoveQuestion(+1); }, 1},
                        Case{"previous", [](QuestionLoop& l) { return l.MoveQuestion(-1); }, 3},
                        Case{"row click", [](QuestionLoop& l) { return l.RowClicked(2); }, 2}}) {
    options.pause = true;
    lines.clear();
    Start();
    Wait(4);
    Type("tengo");
    ASSERT_TRUE(loop->Pausing());
    const LoopUpdate update = c.act(*loop);
    EXPECT_FALSE(loop->Pausing()) << c.name;
    EXPECT_EQ(lines, (std::vector<std::string>{"tengo,tener,1,1,1,10,4"})) << c.name;
    EXPECT_EQ(loop->View().currentRow, c.row) << c.name;
    loop->PauseEnded();  // the timer may still fire
    EXPECT_EQ(lines.size(), 1u) << c.name;
    EXPECT_EQ(loop->View().currentRow, c.row) << c.name;
  }
}

TEST_F(QuestionLoopTest, NewTestDuringThePauseRecordsTheAnsweredQuestion) {
  options.pause = true;
  Start({0});
  Type("tengo");
  loop->StartTest({&items[2]});
  EXPECT_EQ(lines, (std::vector<std::string>{"tengo,tener,1,1,1,10,0"}));
  EXPECT_EQ(loop->ExpectedForm(), "soy");
  EXPECT_FALSE(loop->Pausing());
}

TEST_F(QuestionLoopTest, MovingWrapsAroundBothWays) {
  Start({0, 1, 2});
  loop->MoveQuestion(-1);
  EXPECT_EQ(loop->View().currentRow, 2);
  EXPECT_EQ(loop->ExpectedForm(), "soy");
  loop->MoveQuestion(+1);
  EXPECT_EQ(loop->View().currentRow, 0);
  EXPECT_EQ(loop->ExpectedForm(), "tengo");
}

// Help taken on one question never costs the next: every way to a new question
// starts it at 10 with its own clock, and a perfect answer then records 10.
TEST_F(QuestionLoopTest, EveryNewQuestionStartsAtTenWithItsOwnClock) {
  const struct {
    const char* way;
    std::function<void(QuestionLoop&, VerbList&)> reach;  // reaches "soy"
  } ways[] = {
      // clang-format off
      {"row click", [](QuestionLoop& l, VerbList&) { l.RowClicked(1); }},
      {"click on the selected row", [](QuestionLoop& l, VerbList&) { l.RowClicked(0); }},
      {"new test (GO, Randomise)", [](QuestionLoop& l, VerbList& i) { l.StartTest({&i[2], &i[0]}); }},
      {"Next->", [](QuestionLoop& l, VerbList&) { l.MoveQuestion(+1); }},
      // clang-format on
  };
  for (const auto& help : {std::string("Answer"), std::string("Next Letter")}) {
    for (const auto& way : ways) {
      lines.clear();
      const bool same = std::string(way.way) == "click on the selected row";
      Start(same ? std::vector<int>{2, 0} : std::vector<int>{0, 2});
      Wait(20);
      if (help == "Answer")
        loop->AnswerClicked();
      else
        loop->NextLetterClicked(0);
      way.reach(*loop, items);
      EXPECT_EQ(loop->ExpectedForm(), "soy") << help << ", " << way.way;
      EXPECT_EQ(loop->Score(), 10) << help << ", " << way.way;
      EXPECT_EQ(Box(), "") << help << ", " << way.way;
      Wait(2);
      Type("soy");
      EXPECT_EQ(lines, (std::vector<std::string>{"soy,ser,1,1,1,10,2"})) << help << ", " << way.way;
    }
  }
}

// Whole-word mode lowers the score on the empty box a new question checks; the new
// question still starts at 10.
TEST_F(QuestionLoopTest, NewQuestionInWholeWordModeStartsAtTen) {
  options.word = true;
  options.letters = false;
  Start({0, 2});
  loop->AnswerClicked();
  loop->RowClicked(1);
  EXPECT_EQ(loop->Score(), 10);
}

TEST_F(QuestionLoopTest, TheGerundShowsNoPerson) {
  AddItem(items, "hablar", "hablando", false, kYo, kGerund, "to speak");
  Start({4, 0});
  EXPECT_EQ(loop->View().lbTense, "Gerund");
  EXPECT_EQ(loop->View().lbPerson, "");
  Type("hablando");
  EXPECT_EQ(lines, (std::vector<std::string>{"hablando,hablar,1,15,0,10,0"})) << "the line keeps its person";
  EXPECT_EQ(loop->View().lbPerson, "Yo");
}

TEST_F(QuestionLoopTest, RowClickRestartsTheClock) {
  Start({0, 1, 2});
  Wait(20);
  loop->RowClicked(0);
  Wait(1);
  Type("tengo");
  EXPECT_EQ(lines, (std::vector<std::string>{"tengo,tener,1,1,1,10,1"}));
}

TEST_F(QuestionLoopTest, TimeAwayIsNotCounted) {
  Start({0});
  Wait(2);
  loop->Deactivate();
  Wait(60);
  loop->Deactivate();  // a second pause keeps the first one's time
  Wait(60);
  loop->Activate(false);  // another page is current: still stopped
  Wait(60);
  loop->Activate(true);
  Wait(3);
  Type("tengo");
  EXPECT_EQ(lines, (std::vector<std::string>{"tengo,tener,1,1,1,10,5"}));
}

TEST_F(QuestionLoopTest, ComingBackDuringThePauseKeepsTheAnswersTime) {
  options.pause = true;
  Start({0});
  Wait(6);
  Type("tengo");
  loop->Deactivate();
  Wait(30);
  loop->Activate(true);
  loop->PauseEnded();
  EXPECT_EQ(lines, (std::vector<std::string>{"tengo,tener,1,1,1,10,6"}));
}

TEST_F(QuestionLoopTest, EmptyTestAcceptsNothing) {
  Start({0});
  loop->StartTest({});
  EXPECT_EQ(loop->View().currentRow, -1);
  EXPECT_EQ(loop->View().lbVerb, "");
  EXPECT_EQ(loop->View().lbTense, "");
  EXPECT_EQ(loop->CurrentItem(), nullptr);
  options.exact = false;
  EXPECT_FALSE(loop->TextChanged("tengo").correct);
  loop->MoveQuestion(+1);
  loop->MoveQuestion(-1);
  loop->RowClicked(0);
  loop->NextLetterClicked(0);
  EXPECT_FALSE(loop->TextChanged("tengo").correct);
  EXPECT_TRUE(lines.empty());
}

TEST_F(QuestionLoopTest, NullRowIsSkippedNotFollowed) {
  Start({});
  loop->StartTest({nullptr, &items[2]});
  EXPECT_EQ(loop->CurrentItem(), nullptr);
  loop->MoveQuestion(+1);
  EXPECT_EQ(loop->ExpectedForm(), "soy");
  loop->RowClicked(0);
  EXPECT_EQ(loop->ExpectedForm(), "soy") << "the row shows nothing new";
}

TEST_F(QuestionLoopTest, RandomiseKeepsTheQuestionOnDisplay) {
  Start({0, 1, 2});
  loop->MoveQuestion(+1);
  loop->ReplaceRows({&items[3], &items[2]});
  // clang-format off
  EXPECT_EQ(loop->ExpectedForm(), "ten\xED" "a");
  // clang-format on
  EXPECT_EQ(loop->View().currentRow, 0);
  loop->MoveQuestion(+1);  // counts from row 0 of the new list
  EXPECT_EQ(loop->ExpectedForm(), "soy");
}

TEST_F(QuestionLoopTest, AccentButtonsInsertAtTheCaret) {
  Start({1});
  Type("ten");
  LoopUpdate update = loop->InsertAccent("\xED", 3, 0);
  EXPECT_EQ(Box(), "ten\xED");
  EXPECT_EQ(loop->View().caret, 4);
  EXPECT_EQ(update.score, 10);
  EXPECT_TRUE(Type("a").correct);

  Start({1});
  loop->TextChanged("tenXa");
  update = loop->InsertAccent("\xED", 3, 1);  // replaces the selected X
  EXPECT_TRUE(update.correct);
  // clang-format off
  EXPECT_EQ(lines.back(), "ten\xED" "a,tener,1,3,0,7,0");
  // clang-format on

  Start({1});
  loop->TextChanged("te");
  loop->InsertAccent("\xED", 99, 99);  // a stale selection goes to the end
  EXPECT_EQ(Box(), "te\xED");
}

// "ten" "i" "'" "a" types ten\xEDa: the pair is checked as the accent button would
// be, also when the exact length leaves no room for the mark.
TEST_F(QuestionLoopTest, AccentTypedAfterItsLetter) {
  for (bool exact : {true, false}) {
    options.exact = exact;
    Start({1});
    std::string box;
    for (char c : std::string("teni'a")) {
      const std::string typed = box + c;
      const LoopUpdate update = loop->TextChanged(typed, static_cast<int>(typed.size()));
      box = loop->View().boxText;
      EXPECT_EQ(update.score, 10) << typed;
    }
    ASSERT_FALSE(lines.empty());
    // clang-format off
    EXPECT_EQ(lines.back(), "ten\xED" "a,tener,1,3,0,10,0") << exact;
    // clang-format on
  }
  // Typed with the caret at the end, one character at a time; the recorded score.
  auto typeAnswer = [this](const std::string& keys) {
    lines.clear();
    for (char c : keys) {
      if (c == '<') {  // Backspace
        const std::string box = loop->View().boxText;
        loop->TextChanged(box.substr(0, box.size() - 1), static_cast<int>(box.size()) - 1);
        continue;
      }
      const std::string typed = loop->View().boxText + c;
      loop->TextChanged(typed, static_cast<int>(typed.size()));
    }
    return lines.empty() ? std::string("nothing recorded") : lines.back();
  };
  options.exact = true;
  // clang-format off
  AddItem(items, "avergonzar", "averg\xFC" "enzo", true, kYo, kPresent, "to shame");
  Start({4});
  EXPECT_EQ(typeAnswer("avergu:enzo"), "averg\xFC" "enzo,avergonzar,1,1,1,10,0") << "u: is \xFC";
  Start({1});
  EXPECT_EQ(typeAnswer("tenia<<\xED" "a"), "ten\xED" "a,tener,1,3,0,9,0") << "no mark came: the i costs";
  Start({1});
  EXPECT_EQ(typeAnswer("tenx<i'a"), "ten\xED" "a,tener,1,3,0,7,0") << "a wrong letter still costs";
  // clang-format on
}

// With the exact length a character beyond the answer is cut off before the check,
// so an answered question stays answered and green.
TEST_F(QuestionLoopTest, TextBeyondTheExactLengthIsCutBeforeTheCheck) {
  options.exact = true;
  options.move = false;
  Start({0});
  loop->TextChanged("teng", 4);
  loop->TextChanged("tengo", 5);
  EXPECT_TRUE(loop->Answered());
  const LoopUpdate update = loop->TextChanged("tengox", 6);
  EXPECT_EQ(Box(), "tengo");
  EXPECT_EQ(loop->View().caret, 5);
  EXPECT_EQ(update.score, 10);
  EXPECT_TRUE(loop->Answered());
  EXPECT_EQ(loop->View().boxColours, (std::vector<ColourRun>{{0, 5, kGreen}})) << "the answer stays green";
}

TEST_F(QuestionLoopTest, CaretFollowsTheKeys) {
  Start({0});
  struct Case {
    int caret, key, caretPos;
  };
  for (const Case& c : {Case{2, 'A', 3}, Case{2, kVkDelete, 2}, Case{2, kVkBack, 1}}) {
    loop->KeyDown(c.caret, c.key);
    EXPECT_EQ(loop->CaretPos(), c.caretPos);
  }
  loop->KeyDown(0, kVkBack);
  loop->TextChanged("te");
  EXPECT_EQ(loop->View().caret, 0) << "never before the text";
  loop->KeyDown(40, 'A');
  loop->TextChanged("ten");
  EXPECT_EQ(loop->View().caret, 3) << "never past its end";

  // A paste moves the caret further than one key would; the box knows where.
  loop->TextChanged("");
  loop->KeyDown(0, 'V');
  loop->TextChanged("teng", 4);
  EXPECT_EQ(loop->View().caret, 4);
}

TEST_F(QuestionLoopTest, PanelFollowsTheLanguageOptions) {
  items.clear();
  AddItem(items, "tener", "tengo", true, kYo, kPresent, "to have, to hold, to own, to possess");
  Start({0});
  EXPECT_EQ(loop->View().lbTrans, "to have, to hold, to own, to pos...");
  EXPECT_TRUE(loop->View().lbVerbVisible);
  options.eng = true;
  loop->OptionsChanged();
  EXPECT_FALSE(loop->View().lbVerbVisible);
  EXPECT_TRUE(loop->View().lbVerbHiddenVisible);
  options.eng = false;
  options.span = true;
  loop->OptionsChanged();
  EXPECT_FALSE(loop->View().lbTransVisible);
  EXPECT_TRUE(loop->View().lbNoTranVisible);
}

TEST_F(QuestionLoopTest, OptionClickRechecksTheBox) {
  options.exact = false;
  options.move = false;
  Start({0});
  EXPECT_FALSE(loop->TextChanged("tengoo").correct);
  options.exact = true;
  EXPECT_TRUE(loop->OptionsChanged().correct) << "the cut text is the answer";
  EXPECT_EQ(Box(), "tengo");
}

}  // namespace
}  // namespace parlavo

// Tests and the question loop: the choice in the MULTI list (or the Advanced page, a
// SINGLE verb button, a review, a verb of the statistics) becomes the test, and the
// learner's events on the tester page go to the loop, whose steps are carried out here.
#include <QTimer>
#include <algorithm>
#include <random>

#include "advanced_tests_page.h"
#include "file_man.h"
#include "loading_progress.h"
#include "main_window.h"
#include "options_page.h"
#include "page_control.h"
#include "platform.h"
#include "presets.h"
#include "session.h"
#include "test_summary_dialog.h"
#include "tester_page.h"
#include "text_codec.h"
#include "today_line.h"

namespace parlavo {

void TfrmVerbTester::WireTester() {
  // The loop is made when the results are open, after this wiring.
  const auto loop = [this]() -> QuestionLoop& { return session_->Loop(); };
  // Each of these asks the loop, then the answer box takes the keyboard back.
  const auto asked = [this](auto ask) {
    return [this, ask](auto... arguments) {
      ApplyUpdate(ask(arguments...));
      tsVerb->FocusAnswer();
    };
  };
  connect(tsVerb, &TesterPage::answerEdited, this,
          [this, loop](const std::string& text, int caret) { ApplyUpdate(loop().TextChanged(text, caret)); });
  connect(tsVerb, &TesterPage::answerKeyDown, this, [loop](int caret, int key) { loop().KeyDown(caret, key); });
  connect(tsVerb, &TesterPage::accentClicked, this, [this, loop](const std::string& accent, int start, int length) {
    ApplyUpdate(loop().InsertAccent(accent, start, length));
  });
  connect(tsVerb, &TesterPage::nextLetterClicked, this,
          [this, loop](int caret) { ApplyUpdate(loop().NextLetterClicked(caret)); });
  connect(tsVerb, &TesterPage::answerClicked, this, asked([loop] { return loop().AnswerClicked(); }));
  connect(tsVerb, &TesterPage::moveClicked, this, asked([loop](int step) { return loop().MoveQuestion(step); }));
  connect(tsVerb, &TesterPage::rowClicked, this, asked([loop](int row) { return loop().RowClicked(row); }));
  connect(tm500, &QTimer::timeout, this, [this, loop] { ApplyUpdate(loop().PauseEnded()); });

  connect(tsVerb, &TesterPage::goClicked, this, &TfrmVerbTester::ApplyPreset);
  connect(tsVerb, &TesterPage::randomiseClicked, this, &TfrmVerbTester::Randomise);
  connect(tsVerb, &TesterPage::singleVerbClicked, this, [this](const std::string& verb, int tensePosition) {
    SelectTest(StartSingleVerbTest(verb, tensePosition, session_->Options().country));
  });
  connect(tsSelection, &AdvancedTestsPage::updateVerbsClicked, this, [this] {
    const TFilter criteria = BuildFilterFromControls(tsSelection->Read());
    tsVerb->ChooseTest(0);
    SelectTest(criteria);
    UpdateNavigationButtons();
  });
}

// ---------------------------------------------------------------- building a test

std::unique_ptr<TfrmLoading> TfrmVerbTester::OpenProgress(const QString& title, int maximum, bool counterText) {
  if (StartingUp) return nullptr;
  auto progress = std::make_unique<TfrmLoading>(this);
  progress->ShowProgress(title, 0, maximum, counterText, true);
  return progress;
}

void TfrmVerbTester::ApplyPreset() {
  const int position = tsVerb->ChosenEntry();
  if (ApplyReview(position)) return;
  SelectTest(parlavo::ApplyPreset(position, FirstPresetIndex, tsVerb->ChosenTestText(), tsSelection->Read(),
                                  session_->Options().country,
                                  [this](const std::string& name) { return session_->ReadFilter(name); }));
}

void TfrmVerbTester::SelectTest(const TFilter& criteria) {
  tsVerb->ShowRows({});
  TestList selected;
  {
    std::unique_ptr<TfrmLoading> progress =
        OpenProgress("Selecting verbs", static_cast<int>(session_->Verbs().size()), false);
    selected = session_->Select(criteria, ProgressStepper(progress.get()));
  }
  StartTestOf(std::move(selected), session_->Options().random, std::string());
}

bool TfrmVerbTester::ApplyReview(int position) {
  // Before the list is filled there are no review entries to be at.
  if (position < 0 || FirstReviewIndex <= 0) return false;
  const std::optional<ReviewKind> kind = ReviewAtPosition(position, FirstReviewIndex);
  if (!kind) return false;
  TestList rows = session_->Review(*kind, tsOptions->VerbsInTest());
  const std::string title = ReviewTitle(rows.size());
  StartTestOf(std::move(rows), false, title);  // the review's order is the point
  return true;
}

void TfrmVerbTester::PractiseVerb(const std::string& infinitive) {
  if (!session_->Results()) return;
  StartTestOf(session_->Practise(infinitive), session_->Options().random, std::string());
  UpdateNavigationButtons();
}

void TfrmVerbTester::StartTestOf(TestList items, bool shuffle, const std::string& title) {
  session_->Test() = std::move(items);
  FillQuestionList(shuffle);
  tsVerb->ShowTitle(title.empty() ? VerbTitle(static_cast<std::size_t>(tsVerb->RowCount()), session_->Test().size())
                                  : title);
  ApplyUpdate(session_->Loop().StartTest(session_->Loop().Rows()));
  tsParlavo->setCurrentWidget(tsVerb);
  tsVerb->ShowQuestionList();
  tsVerb->FocusAnswer();
  tsVerb->ClearAnswer();
}

void TfrmVerbTester::FillQuestionList(bool shuffle) {
  TestList rows;
  {
    std::unique_ptr<TfrmLoading> progress =
        OpenProgress("Updating conjugation : ", static_cast<int>(session_->Test().size()), true);
    rows =
        parlavo::FillQuestionList(session_->Test(), tsOptions->VerbsInTest(), shuffle, ProgressStepper(progress.get()));
  }
  // The rows are only text: the question loop holds the items they stand for.
  std::vector<std::string> texts;
  texts.reserve(rows.size());
  for (const TVerb* item : rows) texts.push_back(RowText(*item));
  tsVerb->ShowRows(texts);
  session_->Loop().ReplaceRows(std::move(rows));
}

void TfrmVerbTester::Randomise() {
  // The new row 0 is selected, so its question is the one asked: a list whose
  // selection disagrees with the question shown invites answers to the wrong one.
  FillQuestionList(true);
  ApplyUpdate(session_->Loop().StartTest(session_->Loop().Rows()));
  tsVerb->FocusAnswer();
}

// ---------------------------------------------------------------- the question loop

void TfrmVerbTester::ApplyUpdate(const LoopUpdate& update) {
  for (Step step : update.steps) {
    if (step == Step::Beep) platform_.Beep();
    if (step == Step::StartPause) tm500->start(std::max(0, update.pauseMs));
  }
  // Each answer is on the disk before the next can be recorded: a crash or a
  // power cut loses at most the one being typed.
  if (session_->CountRecorded(update)) {
    SaveResults();
    UpdateToday();
  }
  ShowQuestionView();
  if (std::find(update.steps.begin(), update.steps.end(), Step::TestDone) != update.steps.end()) ShowTestSummary();
}

void TfrmVerbTester::ShowQuestionView() { tsVerb->Show(session_->Loop().View()); }

void TfrmVerbTester::UpdateToday() {
  if (!session_->Results()) return;
  tsVerb->Today()->ShowFigures(session_->Results()->ResultLines, session_->HistoryNow(), LocalNow().day);
}

void TfrmVerbTester::ShowTestSummary() {
  const TestSummary summary = session_->Loop().Summary();
  auto* dialog = new TestSummaryDialog(summary, this);
  // The next question is on display behind the summary: its clock waits for the learner.
  FrmDeactivate();
  connect(dialog, &TestSummaryDialog::chosen, this, [this, summary](SummaryChoice choice) {
    FrmActivate();
    if (choice == SummaryChoice::kPractiseMissed) {
      static std::mt19937 random(std::random_device{}());
      StartTestOf(MissedTest(summary, session_->Options().random, random), false, std::string());
    } else if (choice == SummaryChoice::kRepeatTest) {
      const TestList rows = session_->Loop().Rows();
      ApplyUpdate(session_->Loop().StartTest(rows));
    }
    // Close: the list goes on wrapping round as before.
    tsVerb->FocusAnswer();
  });
  dialog->open();
}

}  // namespace parlavo

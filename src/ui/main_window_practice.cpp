// What the window does with the learner's own results: the summary at the end of a
// test, the review tests, "Practise this verb", and the "Today" line. The rules are
// the core's; this file only takes their inputs from the window and shows the outcome.
#include <QComboBox>
#include <QListWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <random>

#include "file_man.h"
#include "history_file.h"
#include "main_window.h"
#include "tester_page.h"
#include "options_page.h"
#include "page_control.h"
#include "question_loop.h"
#include "review.h"
#include "test_summary_dialog.h"
#include "text_codec.h"
#include "today_line.h"

namespace parlavo {

std::vector<HistoryEntry> TfrmVerbTester::HistoryNow() const {
  if (!FileMan || !History) return {};
  return History->EntriesWith(RunEntry(RunStart, FileMan->ResultLines, AnswersThisRun));
}

void TfrmVerbTester::UpdateToday() {
  if (!tsVerb->lbToday || !FileMan) return;
  tsVerb->lbToday->ShowFigures(FileMan->ResultLines, HistoryNow(), LocalNow().day);
}

void TfrmVerbTester::AddReviewEntries() {
  FirstReviewIndex = tsVerb->cbSimple->count();
  for (std::string_view caption : kReviewCaptions) tsVerb->cbSimple->addItem(ToQString(std::string(caption)));
}

bool TfrmVerbTester::ApplyReview(int position) {
  // Before the list is filled there are no review entries to be at.
  if (position < 0 || FirstReviewIndex <= 0) return false;
  const std::optional<ReviewKind> kind = ReviewAtPosition(position, FirstReviewIndex);
  if (!kind) return false;
  const std::vector<HistoryEntry> history = HistoryNow();
  ReviewInput input;
  input.resultLines = FileMan ? &FileMan->ResultLines : nullptr;
  input.history = &history;
  input.today = LocalNow().day;
  input.country = CountryFromControls();
  input.limit = tsOptions->VerbsInTest();
  TestList rows = BuildReview(*kind, ItemIndex(VerbItems), input);
  const std::string title = ReviewTitle(rows.size());
  StartTestOf(std::move(rows), false, title);  // the review's order is the point
  return true;
}

void TfrmVerbTester::PractiseVerb(const std::string& infinitive) {
  if (!FileMan) return;
  TestItems = parlavo::PractiseVerb(infinitive, ItemIndex(VerbItems), FileMan->ResultLines, CountryFromControls());
  StartTestOf(TestItems, Options.random, std::string());
  UpdateNavigationButtons();
}

void TfrmVerbTester::StartTestOf(TestList items, bool shuffle, const std::string& title) {
  TestItems = std::move(items);
  FillQuestionList(shuffle);
  tsVerb->lbVerbTitle->setText(ToQString(
      title.empty() ? VerbTitle(static_cast<std::size_t>(tsVerb->lbVerbs->count()), TestItems.size()) : title));
  ApplyUpdate(Loop->StartTest(Loop->Rows()));
  tsParlavo->setCurrentWidget(tsVerb);
  tsVerb->pcDisplay->setCurrentWidget(tsVerb->tsVerbList);
  if (isVisible()) tsVerb->reVerb->setFocus();
  tsVerb->reVerb->clear();
}

void TfrmVerbTester::ShowTestSummary() {
  const TestSummary summary = Loop->Summary();
  auto* dialog = new TestSummaryDialog(summary, this);
  // The next question is on display behind the summary: its clock waits for the learner.
  FrmDeactivate();
  connect(dialog, &TestSummaryDialog::chosen, this, [this, summary](SummaryChoice choice) {
    FrmActivate();
    if (choice == SummaryChoice::kPractiseMissed) {
      static std::mt19937 random(std::random_device{}());
      TestList missed = MissedTest(summary, Options.random, random);
      StartTestOf(std::move(missed), false, std::string());
    } else if (choice == SummaryChoice::kRepeatTest) {
      const TestList rows = Loop->Rows();
      ApplyUpdate(Loop->StartTest(rows));
    }
    // Close: the list goes on wrapping round as before.
    FocusAnswerBox();
  });
  dialog->open();
}

}  // namespace parlavo

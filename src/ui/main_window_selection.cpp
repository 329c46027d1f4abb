// Building a test: the choice in cbSimple (or the Advanced page) becomes the test
// list and the rows of lbVerbs.
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTextEdit>

#include "file_man.h"
#include "ini_manage.h"
#include "loading_progress.h"
#include "main_window.h"
#include "tester_page.h"
#include "options_page.h"
#include "page_control.h"
#include "presets.h"
#include "question_loop.h"
#include "text_codec.h"

namespace parlavo {

namespace {

// Steps the progress window once per item and lets the window repaint, at most every
// 16 ms: a selection visits every item of every verb.
SelectionProgress Stepper(TfrmLoading* progress) {
  if (!progress) return {};
  auto pumped = std::make_shared<QElapsedTimer>();
  pumped->start();
  return [progress, pumped](std::size_t, std::size_t) {
    progress->StepProgress();
    if (pumped->elapsed() >= 16) {
      pumped->restart();
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
  };
}

}  // namespace

std::unique_ptr<TfrmLoading> TfrmVerbTester::OpenProgress(const QString& title, int maximum, bool counterText) {
  if (StartingUp) return nullptr;
  auto progress = std::make_unique<TfrmLoading>(this);
  progress->ShowProgress(title, 0, maximum, counterText, true);
  return progress;
}

void TfrmVerbTester::SelectSavedTest() { tsVerb->cbSimple->setCurrentIndex(Options.simplemod); }

void TfrmVerbTester::ApplyPreset() {
  // A position that is no entry of the list (typed text) names a saved filter.
  const int position = tsVerb->cbSimple->currentIndex() >= 0 && tsVerb->cbSimple->currentText() == tsVerb->cbSimple->itemText(tsVerb->cbSimple->currentIndex())
                           ? tsVerb->cbSimple->currentIndex()
                           : -1;
  if (ApplyReview(position)) return;
  const TFilter criteria =
      parlavo::ApplyPreset(position, FirstPresetIndex, FromQString(tsVerb->cbSimple->currentText()), ReadAdvancedPage(),
                           CountryFromControls(), [this](const std::string& name) { return IniManage->ReadFilter(name); });
  SelectTest(criteria);
}

void TfrmVerbTester::SelectTest(const TFilter& criteria) {
  tsVerb->lbVerbs->clear();
  TestList selected;
  {
    std::unique_ptr<TfrmLoading> progress = OpenProgress("Selecting verbs", static_cast<int>(VerbItems.size()), false);
    selected = parlavo::SelectTest(criteria, VerbItems, FileMan.get(), Options.untested, Stepper(progress.get()));
  }
  StartTestOf(std::move(selected), Options.random, std::string());
}

void TfrmVerbTester::FillQuestionList(bool shuffle) {
  const bool wasUpdating = updatingControls_;
  updatingControls_ = true;  // filling the rows is no click on a row
  tsVerb->lbVerbs->clear();
  TestList rows;
  {
    std::unique_ptr<TfrmLoading> progress =
        OpenProgress("Updating conjugation : ", static_cast<int>(TestItems.size()), true);
    rows = parlavo::FillQuestionList(TestItems, tsOptions->VerbsInTest(), shuffle, Stepper(progress.get()));
  }
  // The rows are only text: the question loop holds the items they stand for.
  for (const TVerb* item : rows) new QListWidgetItem(ToQString(RowText(*item)), tsVerb->lbVerbs);
  if (tsVerb->lbVerbs->count() > 0) tsVerb->lbVerbs->setCurrentRow(0);
  Loop->ReplaceRows(std::move(rows));
  updatingControls_ = wasUpdating;
}

}  // namespace parlavo

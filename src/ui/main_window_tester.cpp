// The "VERB TESTER" page at work: the window forwards its events to the question
// loop and shows what the loop says; the test buttons build new tests.
#include <QApplication>
#include <algorithm>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include "advanced_tests_page.h"
#include "file_man.h"
#include "filter_name.h"
#include "ini_manage.h"
#include "main_window.h"
#include "tester_page.h"
#include "options_page.h"
#include "page_control.h"
#include "platform.h"
#include "presets.h"
#include "question_loop.h"
#include "text_codec.h"

namespace parlavo {

namespace {

int VirtualKey(int qtKey) {
  if (qtKey == Qt::Key_Backspace) return kVkBack;
  if (qtKey == Qt::Key_Delete) return kVkDelete;
  return 0;
}

}  // namespace

void TfrmVerbTester::CreateQuestionLoop() {
  Loop = std::make_unique<QuestionLoop>(Options, FileMan ? &FileMan->ResultLines : nullptr,
                                        [this] { return platform_.TimeOfDay(); });
}

void TfrmVerbTester::ApplyUpdate(const LoopUpdate& update) {
  for (Step step : update.steps) {
    if (step == Step::Beep) platform_.Beep();
    if (step == Step::StartPause) tm500->start(std::max(0, update.pauseMs));
  }
  // Each answer is on the disk before the next can be recorded: a crash or a
  // power cut loses at most the one being typed.
  for (const std::string& line : update.recorded)
    if (!line.empty()) ++AnswersThisRun;
  if (std::find(update.steps.begin(), update.steps.end(), Step::RecordResult) != update.steps.end()) {
    SaveResults();
    UpdateToday();
  }
  ShowQuestionView();
  if (std::find(update.steps.begin(), update.steps.end(), Step::TestDone) != update.steps.end()) ShowTestSummary();
}

void TfrmVerbTester::ShowQuestionView() {
  const bool wasUpdating = updatingControls_;
  updatingControls_ = true;
  tsVerb->Show(Loop->View());
  updatingControls_ = wasUpdating;
}

void TfrmVerbTester::reVerbChange() {
  if (updatingControls_ || !Loop) return;
  QString text = tsVerb->reVerb->toPlainText();
  int caret = tsVerb->reVerb->textCursor().position();
  caret -= static_cast<int>(text.left(caret).count('\n'));
  text.remove('\n');  // a pasted line break never becomes part of the answer
  // The loop turns a typed accent pair into its letter, then cuts the text to the
  // box's length; the view then writes the box back when it differs.
  ApplyUpdate(Loop->TextChanged(FromQString(text), caret));
}

bool TfrmVerbTester::reVerbEvent(QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    // Return is no input; the answer is one line.
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return true;
    if (Loop) Loop->KeyDown(tsVerb->reVerb->textCursor().position(), VirtualKey(key->key()));
  } else if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
    reVerbChange();
  }
  return false;
}

void TfrmVerbTester::Button8Click(const std::string& accent) {
  const QTextCursor cursor = tsVerb->reVerb->textCursor();
  ApplyUpdate(Loop->InsertAccent(accent, cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()));
  tsVerb->reVerb->setFocus();
}

void TfrmVerbTester::Button14Click() { ApplyPreset(); }

void TfrmVerbTester::bnUpdateVerbsClick() {
  const TFilter criteria = BuildFilterFromControls(ReadAdvancedPage());
  tsVerb->cbSimple->setCurrentIndex(0);
  SelectTest(criteria);
  UpdateNavigationButtons();
}

void TfrmVerbTester::Button15Click(const std::string& verb, int tensePosition) {
  SelectTest(StartSingleVerbTest(verb, tensePosition, CountryFromControls()));
}

void TfrmVerbTester::Button4Click() {
  // The new row 0 is selected, so its question is the one asked: a list whose
  // selection disagrees with the question shown invites answers to the wrong one.
  FillQuestionList(true);
  ApplyUpdate(Loop->StartTest(Loop->Rows()));
  FocusAnswerBox();
}

bool TfrmVerbTester::lbVerbsEvent(QEvent* event) {
  // A click on the row already selected changes no row, so currentRowChanged stays
  // silent; the learner asks for that question again all the same.
  if (event->type() != QEvent::MouseButtonPress || !Loop) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const int row = tsVerb->lbVerbs->row(tsVerb->lbVerbs->itemAt(mouse->position().toPoint()));
  if (mouse->button() == Qt::LeftButton && row >= 0 && row == tsVerb->lbVerbs->currentRow()) {
    ApplyUpdate(Loop->RowClicked(row));
    FocusAnswerBox();
  }
  return false;
}

void TfrmVerbTester::bnSaveClick() {
  // Trimmed once here: the name compared, stored under and listed is the same text.
  const CheckedFilterName checked = CheckNewFilterName(tsSelection->NewFilterName(), IniManage->SavedFilterNames());
  switch (checked.verdict) {
    case FilterNameVerdict::kEmpty:
      platform_.ShowMessage("Error - No Filter Name", "Please enter a name for your new filter", MessageIcon::None);
      return;
    case FilterNameVerdict::kUnsafeCharacters:
      platform_.ShowMessage(ToQString(kUnsafeFilterNameTitle), ToQString(kUnsafeFilterNameText), MessageIcon::None);
      return;
    case FilterNameVerdict::kDuplicate:
      platform_.ShowMessage("Duplicate Name Error", "Please enter a unique name for your new filter",
                            MessageIcon::None);
      return;
    case FilterNameVerdict::kAccepted:
      break;
  }
  // A name is listed only once its filter is stored.
  if (IniManage->WriteFilter(checked.name, FilterFromControls(ReadAdvancedPage())))
    IniManage->AppendSavedFilterName(checked.name);
  CheckSettingsWrite();
  RefreshFilterLists();
}

void TfrmVerbTester::bnDeleteClick(const std::string& name) {
  IniManage->DeleteSavedFilterName(name);
  CheckSettingsWrite();
  RefreshFilterLists();
}

void TfrmVerbTester::lbSettingsClick(const std::string& name) {
  WriteAdvancedPage(FilterToControls(IniManage->ReadFilter(name)));
}

void TfrmVerbTester::WireTester() {
  tsVerb->reVerb->installEventFilter(this);
  tsVerb->lbVerbs->viewport()->installEventFilter(this);
  connect(tsVerb->reVerb, &QTextEdit::textChanged, this, &TfrmVerbTester::reVerbChange);
  connect(tsVerb, &TesterPage::accentClicked, this, &TfrmVerbTester::Button8Click);
  connect(tsVerb, &TesterPage::answerClicked, this, [this] {
    ApplyUpdate(Loop->AnswerClicked());
    FocusAnswerBox();
  });
  connect(tsVerb, &TesterPage::nextLetterClicked, this, [this] {
    ApplyUpdate(Loop->NextLetterClicked(tsVerb->reVerb->textCursor().position()));
    tsVerb->reVerb->setFocus();
  });
  connect(tsVerb, &TesterPage::moveClicked, this, [this](int step) {
    ApplyUpdate(Loop->MoveQuestion(step));
    FocusAnswerBox();
  });
  connect(tsVerb->lbVerbs, &QListWidget::currentRowChanged, this, [this](int row) {
    if (updatingControls_ || row < 0) return;
    ApplyUpdate(Loop->RowClicked(row));
    FocusAnswerBox();
  });
  tm500->setSingleShot(true);
  connect(tm500, &QTimer::timeout, this, [this] { ApplyUpdate(Loop->PauseEnded()); });

  connect(tsVerb, &TesterPage::goClicked, this, &TfrmVerbTester::Button14Click);
  connect(tsSelection, &AdvancedTestsPage::updateVerbsClicked, this, &TfrmVerbTester::bnUpdateVerbsClick);
  connect(tsVerb, &TesterPage::singleVerbClicked, this, &TfrmVerbTester::Button15Click);
  connect(tsVerb, &TesterPage::randomiseClicked, this, &TfrmVerbTester::Button4Click);

  connect(tsSelection, &AdvancedTestsPage::saveClicked, this, &TfrmVerbTester::bnSaveClick);
  connect(tsSelection, &AdvancedTestsPage::deleteRequested, this, &TfrmVerbTester::bnDeleteClick);
  connect(tsSelection, &AdvancedTestsPage::savedFilterClicked, this, &TfrmVerbTester::lbSettingsClick);

  // The seven option check boxes re-check the answer at once, so a changed colour
  // option shows.
  connect(tsOptions, &OptionsPage::answerCheckChanged, this, [this] { ApplyUpdate(Loop->OptionsChanged()); });
}

}  // namespace parlavo

#include "tester_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>

#include "button_tabs.h"
#include "fonts.h"
#include "lazy_page.h"
#include "place.h"
#include "presets.h"
#include "question_loop.h"
#include "filter.h"
#include "text_codec.h"
#include "today_line.h"

namespace parlavo {

namespace {

int VirtualKey(int qtKey) {
  if (qtKey == Qt::Key_Backspace) return kVkBack;
  if (qtKey == Qt::Key_Delete) return kVkDelete;
  return 0;
}

}  // namespace

TesterPage::TesterPage(QWidget* parent) : QWidget(parent) {
  QWidget* page = this;
  PLACE(bnStatistics, QPushButton, page, 436, 9, 76, 22);
  bnStatistics->setText("Statistics");
  bnStatistics->setFocusPolicy(Qt::NoFocus);  // the caret stays in the answer box
  bnStatistics->setToolTip("Your results so far (Ctrl+Shift+S)");
  lbToday = new TodayLine(page);
  lbToday->setGeometry(250, 2, 180, 36);
  SetTextColour(lbToday, Qt::white);  // on the header band's dark picture
  PLACE(GroupBox11, QGroupBox, page, 8, 44, 337, 244);
  GroupBox11->setTitle("Current Verb Being Tested");
  QWidget* g = GroupBox11;
  const QFont bold = PixelFont("MS Sans Serif", 13, true);
  PLACE(Label12, QLabel, g, 12, 24, 56, 18);
  Label12->setText("Tense:");
  PLACE(lbTense, QLabel, g, 70, 24, 258, 18);
  lbTense->setText("Present");
  lbTense->setFont(bold);
  PLACE(lbCom1, QLabel, g, 12, 46, 56, 18);
  lbCom1->setText("Person:");
  PLACE(lbPerson, QLabel, g, 70, 46, 258, 18);
  lbPerson->setText("First Person (YO)");
  lbPerson->setFont(bold);
  PLACE(lbCom2, QLabel, g, 12, 68, 56, 18);
  lbCom2->setText("Verb:");
  PLACE(lbVerb, QLabel, g, 70, 68, 258, 18);
  lbVerb->setText("TENER");
  lbVerb->setFont(bold);
  PLACE(lbVerbHidden, QLabel, g, 70, 68, 258, 18);
  lbVerbHidden->setText("MAIN VERB HIDDEN");
  lbVerbHidden->setFont(bold);
  lbVerbHidden->hide();
  PLACE(lbTrans, QLabel, g, 12, 92, 316, 18);
  lbTrans->setText("TENER means ");
  lbTrans->setFont(PixelFont("MS Sans Serif", 12));
  PLACE(lbNoTran, QLabel, g, 12, 92, 316, 18);
  lbNoTran->setText("Verb Translation Turned Off");
  lbNoTran->hide();
  PLACE(Label15, QLabel, g, 12, 116, 80, 16);
  Label15->setText("Answer:");
  PLACE(reVerb, QTextEdit, g, 10, 134, 316, 47);
  reVerb->setFont(PixelFont("Arial", 33));
  reVerb->document()->setDocumentMargin(2);  // one line of 33 pixels fits without scrolling
  reVerb->setLineWrapMode(QTextEdit::NoWrap);
  reVerb->setTabChangesFocus(true);
  reVerb->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  reVerb->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // "ü" (averiguar, apaciguar, avergonzar) is the seventh, for keyboards without it.
  const char* const accents[7] = {"\u00e1", "\u00e9", "\u00ed", "\u00f3", "\u00fa", "\u00f1", "\u00fc"};
  QPushButton** accentButtons[7] = {&Button8, &Button9, &Button10, &Button11, &Button12, &Button13, &bnUDiaeresis};
  const char* const accentNames[7] = {"Button8",  "Button9",  "Button10",    "Button11",
                                      "Button12", "Button13", "bnUDiaeresis"};
  for (int i = 0; i < 7; ++i) {
    QPushButton* button = Place<QPushButton>(g, accentNames[i], 10 + i * 24, 188, 22, 22);
    button->setText(QString::fromUtf8(accents[i]));
    button->setFocusPolicy(Qt::NoFocus);  // the caret stays in the answer box
    *accentButtons[i] = button;
  }
  PLACE(Button16, QPushButton, g, 180, 188, 72, 22);
  Button16->setText("Next Letter");
  PLACE(Button17, QPushButton, g, 256, 188, 70, 22);
  Button17->setText("Answer");
  PLACE(lbAnswer, QLabel, g, 10, 216, 316, 24);
  lbAnswer->setText("Answer");
  lbAnswer->setFont(PixelFont("Arial", 16, true));
  lbAnswer->setAutoFillBackground(true);
  QPalette yellow = lbAnswer->palette();
  yellow.setColor(QPalette::Window, Qt::yellow);
  lbAnswer->setPalette(yellow);
  lbAnswer->hide();

  PLACE(cbAdvanced, QCheckBox, page, 8, 300, 160, 17);
  cbAdvanced->setText("Display advanced tab");
  cbAdvanced->hide();
  PLACE(cbNewOnly, QCheckBox, page, 8, 300, 160, 17);
  cbNewOnly->setText("Only ask untested verbs");
  cbNewOnly->hide();

  PLACE(GroupBox6, QGroupBox, page, 8, 292, 337, 82);
  GroupBox6->setTitle("MULTI Verb Tests");
  PLACE(Label6, QLabel, GroupBox6, 10, 20, 320, 16);
  Label6->setText("Select the type of verbs you want to be tested against:");
  PLACE(cbSimple, QComboBox, GroupBox6, 10, 42, 270, 24);
  cbSimple->setEditable(true);
  cbSimple->setInsertPolicy(QComboBox::NoInsert);
  cbSimple->setEditText("Present - Regular - ar verbs");
  PLACE(Button14, QPushButton, GroupBox6, 286, 42, 42, 24);
  Button14->setText("GO");
  Button14->setFont(PixelFont("MS Sans Serif", 11, true));

  PLACE(pcDisplay, ButtonTabs, page, 352, 44, 196, 330);
  tsVerbList = new QWidget;
  tsVerbList->setObjectName("tsVerbList");
  // A tab few runs open: its 36 buttons are made when it is first shown.
  tsSingleVerb = new LazyPart([this](QWidget* holder) { BuildSingleVerbTests(holder); });
  tsSingleVerb->setObjectName("tsSingleVerb");
  pcDisplay->addTab(tsVerbList, "Verb List");
  pcDisplay->addTab(tsSingleVerb, "SINGLE Verb Tests");

  PLACE(lbVerbTitle, QLabel, tsVerbList, 4, 4, 184, 16);
  lbVerbTitle->setText("List of verbs in the test.");
  PLACE(lbVerbs, QListWidget, tsVerbList, 4, 22, 184, 218);
  PLACE(Button3, QPushButton, tsVerbList, 4, 244, 90, 24);
  Button3->setText("<- Previous");
  PLACE(Button2, QPushButton, tsVerbList, 98, 244, 90, 24);
  Button2->setText("Next->");
  PLACE(Button4, QPushButton, tsVerbList, 4, 272, 184, 24);
  Button4->setText("Randomise");

  for (QPushButton* accent : {Button8, Button9, Button10, Button11, Button12, Button13, bnUDiaeresis})
    connect(accent, &QPushButton::clicked, this, [this, accent] {
      const QTextCursor cursor = reVerb->textCursor();
      emit accentClicked(FromQString(accent->text()), cursor.selectionStart(),
                         cursor.selectionEnd() - cursor.selectionStart());
      reVerb->setFocus();
    });
  connect(Button17, &QPushButton::clicked, this, &TesterPage::answerClicked);
  connect(Button16, &QPushButton::clicked, this, [this] {
    emit nextLetterClicked(reVerb->textCursor().position());
    reVerb->setFocus();
  });
  connect(reVerb, &QTextEdit::textChanged, this, &TesterPage::AnswerEdited);
  reVerb->installEventFilter(this);
  lbVerbs->viewport()->installEventFilter(this);
  connect(lbVerbs, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!showing_ && row >= 0) emit rowClicked(row);
  });
  connect(cbSimple, &QComboBox::activated, this, &TesterPage::testChosen);
  connect(cbAdvanced, &QAbstractButton::clicked, this, &TesterPage::advancedClicked);
  connect(cbNewOnly, &QAbstractButton::clicked, this, &TesterPage::newOnlyClicked);
  connect(Button2, &QPushButton::clicked, this, [this] { emit moveClicked(+1); });
  connect(Button3, &QPushButton::clicked, this, [this] { emit moveClicked(-1); });
  connect(Button4, &QPushButton::clicked, this, &TesterPage::randomiseClicked);
  connect(Button14, &QPushButton::clicked, this, &TesterPage::goClicked);
  connect(bnStatistics, &QPushButton::clicked, this, &TesterPage::statisticsClicked);
}

void TesterPage::BuildSingleVerbTests(QWidget* holder) {
  PLACE(Label14, QLabel, holder, 6, 8, 40, 16);
  Label14->setText("Tense:");
  PLACE(cbTenses, QComboBox, holder, 46, 4, 142, 22);
  cbTenses->setEditable(true);
  cbTenses->setInsertPolicy(QComboBox::NoInsert);
  for (std::string_view tense : kSpecificTenseCaptions) cbTenses->addItem(ToQString(tense));
  cbTenses->setCurrentIndex(0);
  PLACE(pcRegIreg, ButtonTabs, holder, 2, 32, 186, 264);
  tsRegular = new QWidget;
  tsRegular->setObjectName("tsRegular");
  tsIrregular = new QWidget;
  tsIrregular->setObjectName("tsIrregular");
  pcRegIreg->addTab(tsRegular, "Regular");
  pcRegIreg->addTab(tsIrregular, "Irregular");
  for (int i = 0; i < 36; ++i) {
    const bool regular = i < 18;
    const int k = i % 18;
    const QString caption = ToQString(regular ? kRegularVerbButtons[k] : kIrregularVerbButtons[k]);
    // Row by row, left column first.
    const int x = 20 + (k % 2) * 74;
    const int y = 6 + (k / 2) * 23;
    QPushButton* button = Place<QPushButton>(regular ? tsRegular : tsIrregular,
                                             ("bnSingle" + caption).toLatin1().constData(), x, y, 68, 20);
    button->setText(caption);
    SingleVerbButtons[i] = button;
  }
  for (QPushButton* verb : SingleVerbButtons)
    connect(verb, &QPushButton::clicked, this, [this, verb] {
      // Typed text in the tense box is no position: it counts as Present.
      const int position = cbTenses->findText(cbTenses->currentText(), Qt::MatchExactly) == cbTenses->currentIndex()
                               ? cbTenses->currentIndex()
                               : -1;
      emit singleVerbClicked(FromQString(verb->text()), position);
    });
}

void TesterPage::Show(const QuestionView& view) {
  const bool wasShowing = showing_;
  showing_ = true;
  lbTense->setText(ToQString(view.lbTense));
  lbPerson->setText(ToQString(view.lbPerson));
  lbVerb->setText(ToQString(view.lbVerb));
  lbTrans->setText(ToQString(view.lbTrans));
  lbAnswer->setText(ToQString(view.lbAnswer));
  lbVerb->setVisible(view.lbVerbVisible);
  lbVerbHidden->setVisible(view.lbVerbHiddenVisible);
  lbTrans->setVisible(view.lbTransVisible);
  lbNoTran->setVisible(view.lbNoTranVisible);
  lbAnswer->setVisible(view.lbAnswerVisible);
  if (view.currentRow >= 0 && view.currentRow < lbVerbs->count()) lbVerbs->setCurrentRow(view.currentRow);

  const QString text = ToQString(view.boxText);
  if (reVerb->toPlainText() != text) reVerb->setPlainText(text);
  QTextCursor cursor(reVerb->document());
  cursor.select(QTextCursor::Document);
  QTextCharFormat plain;
  plain.setForeground(Qt::black);
  cursor.mergeCharFormat(plain);
  for (const ColourRun& run : view.boxColours) {
    const int start = std::min<int>(static_cast<int>(run.start), text.size());
    const int end = std::min<int>(static_cast<int>(run.start + run.length), text.size());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    QTextCharFormat colour;
    colour.setForeground(QColor(run.colour.r, run.colour.g, run.colour.b));
    cursor.mergeCharFormat(colour);
  }
  QTextCursor caret = reVerb->textCursor();
  caret.setPosition(std::clamp(view.caret, 0, static_cast<int>(text.size())));
  reVerb->setTextCursor(caret);
  // Typing goes on in black; only the check colours the text.
  QTextCharFormat typing;
  typing.setForeground(Qt::black);
  reVerb->setCurrentCharFormat(typing);
  showing_ = wasShowing;
}

void TesterPage::AnswerEdited() {
  if (showing_) return;
  QString text = reVerb->toPlainText();
  int caret = reVerb->textCursor().position();
  caret -= static_cast<int>(text.left(caret).count('\n'));
  text.remove('\n');  // a pasted line break never becomes part of the answer
  emit answerEdited(FromQString(text), caret);
}

bool TesterPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == reVerb) {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      // Return is no input; the answer is one line.
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return true;
      emit answerKeyDown(reVerb->textCursor().position(), VirtualKey(key->key()));
    } else if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
      AnswerEdited();
    }
  } else if (watched == lbVerbs->viewport() && event->type() == QEvent::MouseButtonPress) {
    // A click on the row already selected changes no row, so currentRowChanged stays
    // silent; the learner asks for that question again all the same.
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int row = lbVerbs->row(lbVerbs->itemAt(mouse->position().toPoint()));
    if (mouse->button() == Qt::LeftButton && row >= 0 && row == lbVerbs->currentRow()) emit rowClicked(row);
  }
  return QWidget::eventFilter(watched, event);
}

void TesterPage::ShowRows(const std::vector<std::string>& rows) {
  const bool wasShowing = showing_;
  showing_ = true;  // filling the rows is no click on a row
  lbVerbs->clear();
  for (const std::string& row : rows) new QListWidgetItem(ToQString(row), lbVerbs);
  if (lbVerbs->count() > 0) lbVerbs->setCurrentRow(0);
  showing_ = wasShowing;
}

int TesterPage::RowCount() const { return lbVerbs->count(); }

void TesterPage::ShowTitle(const std::string& title) { lbVerbTitle->setText(ToQString(title)); }

void TesterPage::ShowQuestionList() { pcDisplay->setCurrentWidget(tsVerbList); }

void TesterPage::ShowStartTab() { pcDisplay->setCurrentIndex(cbSimple->currentIndex() == 0 ? 1 : 0); }

void TesterPage::ShowTests(const std::vector<std::string>& saved, const std::vector<std::string>& presets,
                           const std::vector<std::string>& more) {
  cbSimple->clear();
  cbSimple->addItem(kCurrentFilterName);
  for (const auto* names : {&saved, &presets, &more})
    for (const std::string& name : *names) cbSimple->addItem(ToQString(name));
  cbSimple->setCurrentIndex(-1);
}

int TesterPage::TestCount() const { return cbSimple->count(); }

void TesterPage::ChooseTest(int position) { cbSimple->setCurrentIndex(position); }

int TesterPage::ChosenTest() const { return cbSimple->currentIndex(); }

int TesterPage::ChosenEntry() const {
  // A position that is no entry of the list (typed text) names a saved filter.
  const int position = cbSimple->currentIndex();
  return position >= 0 && cbSimple->currentText() == cbSimple->itemText(position) ? position : -1;
}

std::string TesterPage::ChosenTestText() const { return FromQString(cbSimple->currentText()); }

void TesterPage::ShowChecks(bool advanced, bool newOnly) {
  cbAdvanced->setChecked(advanced);
  cbNewOnly->setChecked(newOnly);
}

bool TesterPage::AdvancedChecked() const { return cbAdvanced->isChecked(); }

bool TesterPage::NewOnlyChecked() const { return cbNewOnly->isChecked(); }

void TesterPage::FocusAnswer() {
  if (window()->isVisible()) reVerb->setFocus();
}

void TesterPage::ClearAnswer() { reVerb->clear(); }

}  // namespace parlavo

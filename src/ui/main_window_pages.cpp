// The layout of the main window: every region, page and control at its place.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>

#include "clickable_label.h"
#include "fonts.h"
#include "main_window.h"
#include "num_edit.h"
#include "page_control.h"
#include "pictures.h"
#include "place.h"
#include "options_page.h"
#include "advanced_tests_page.h"
#include "conjugator_page.h"
#include "help_page.h"
#include "regular_endings_page.h"
#include "statistics_page.h"
#include "presets.h"
#include "text_codec.h"
#include "today_line.h"

namespace parlavo {

namespace {

// The window has no frame of its own: a thin dark line drawn over the edge of the
// client area keeps it apart from what lies behind.
class WindowBorder : public QWidget {
 public:
  explicit WindowBorder(QWidget* window) : QWidget(window) {
    setObjectName("WindowBorder");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(window->rect());
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
};

}  // namespace

void TfrmVerbTester::BuildWindow() {
  setObjectName("frmVerbTester");
  setWindowTitle("Parlavo - Verb Tutor");
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(630, 378);
  setFont(PixelFont("MS Sans Serif", 11));
  setAutoFillBackground(true);
  QPalette silver = palette();
  silver.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
  setPalette(silver);

  PLACE(tsParlavo, TPageControl, this, 78, 0, 554, 378);
  tsVerb = AddPage(new QWidget, "tsVerb", "VERB TESTER", "Verb Tester", false);
  AddPage(tsConjugation = new RegularEndingsPage, "tsConjugation", "Conjugations", "Regular Conjugations", false);
  AddPage(tsSelection = new AdvancedTestsPage, "tsSelection", "Advanced", "Advanced Tests", true);
  AddPage(tsOptions = new OptionsPage, "tsOptions", "Options", "Options", true);
  AddPage(TabSheet2 = new HelpPage, "TabSheet2", "HELP", "Help", true);
  AddPage(tsCommonVerbs = new ConjugatorPage(VerbItems), "tsCommonVerbs", "Verb Conjugator", "Conjugator", false);
  AddPage(tsStats = new StatisticsPage, "tsStats", "Statistics", QString(), false);
  tsParlavo->setPageTabVisible(kStatsPage, false);
  tsParlavo->setCurrentIndex(kVerbPage);

  BuildNavigation();
  BuildVerbPage();

  (new WindowBorder(this))->raise();  // above every region

  tm500 = new QTimer(this);
  tm500->setObjectName("tm500");
  tm500->setInterval(500);
  tmSaver = new QTimer(this);
  tmSaver->setObjectName("tmSaver");
  tmSaver->setInterval(kSaverInterval);
  tmSettings = new QTimer(this);
  tmSettings->setObjectName("tmSettings");
  tmSettings->setSingleShot(true);
  tmSettings->setInterval(300);
}

void TfrmVerbTester::BuildNavigation() {
  PLACE(Panel1, QFrame, this, 0, 0, 79, 385);
  Panel1->setAutoFillBackground(true);
  Panel1->installEventFilter(this);

  PLACE(imgLogo, QLabel, Panel1, 0, 0, 79, 40);
  imgLogo->setPixmap(Picture("logo"));
  imgLogo->setAttribute(Qt::WA_TransparentForMouseEvents);

  struct Pair {
    ClickableLabel** upper;
    const char* upperName;
    ClickableLabel** lower;
    const char* lowerName;
    const char* face;
    int top;
    int page;
  };
  const Pair pairs[] = {
      {&imgVTutor, "imgVTutor", &imgvtestP, "imgvtestP", "vtester", 48, kVerbPage},
      {&imgAdv, "imgAdv", &imgadvP, "imgadvP", "advanced", 88, kSelectionPage},
      {&imgReg, "imgReg", &Image13, "Image13", "regular", 144, kConjugationPage},
      {&imgconj, "imgconj", &Image14, "Image14", "conjugator", 184, kConjugatorPage},
      {&imgOpt, "imgOpt", &Image15, "Image15", "options", 256, kOptionsPage},
      {&imgHelp, "imgHelp", &Image16, "Image16", "help", 296, kHelpPage},
  };
  for (const Pair& pair : pairs) {
    // The lower (blue) image is created first so that the upper one covers it.
    ClickableLabel* lower = Place<ClickableLabel>(Panel1, pair.lowerName, 3, pair.top, 72, 35);
    lower->setPixmap(Picture(QString("nav_%1_blue").arg(pair.face)));
    lower->Tag = pair.page;
    ClickableLabel* upper = Place<ClickableLabel>(Panel1, pair.upperName, 3, pair.top, 72, 35);
    upper->setPixmap(Picture(QString("nav_%1_grey").arg(pair.face)));
    upper->Tag = pair.page;
    *pair.lower = lower;
    *pair.upper = upper;
  }
  PLACE(Image7, ClickableLabel, Panel1, 3, 336, 72, 35);
  Image7->setPixmap(Picture("nav_close_white"));

  PLACE(Panel2, QFrame, this, 596, 2, 33, 15);
  Panel2->setAutoFillBackground(true);
  QPalette white = Panel2->palette();
  white.setColor(QPalette::Window, Qt::white);
  Panel2->setPalette(white);
  PLACE(Image17, ClickableLabel, Panel2, 1, 0, 15, 15);
  Image17->setPixmap(Picture("minimise"));
  Image17->setToolTip("Minimise");
  PLACE(Image18, ClickableLabel, Panel2, 17, 0, 15, 15);
  Image18->setPixmap(Picture("close"));
  Image18->setToolTip("Close");
}

QWidget* TfrmVerbTester::AddPage(QWidget* page, const char* name, const QString& caption, const QString& title,
                                 bool whiteGround) {
  page->setObjectName(name);
  page->setAutoFillBackground(true);
  QPalette ground = page->palette();
  ground.setColor(QPalette::Window, whiteGround ? QColor(Qt::white) : QColor(0xc0, 0xc0, 0xc0));
  page->setPalette(ground);
  tsParlavo->addTab(page, caption);
  if (!title.isEmpty()) {
    auto* band = Place<QLabel>(page, (QString(name) + "Band").toLatin1().constData(), 0, 0, 554, 40);
    band->setPixmap(Picture("header"));
    band->installEventFilter(this);  // the band is a handle for moving the window
    auto* label = Place<QLabel>(page, (QString(name) + "Title").toLatin1().constData(), 8, 5, 300, 32);
    label->setText(title);
    label->setFont(PixelFont("Arial Narrow", 27));
    label->setStyleSheet("color: white; background: transparent;");
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Under the page's own controls, which may stand on the band.
    label->lower();
    band->lower();
  }
  return page;
}

void TfrmVerbTester::BuildVerbPage() {
  QWidget* page = tsVerb;
  PLACE(bnStatistics, QPushButton, page, 436, 9, 76, 22);
  bnStatistics->setText("Statistics");
  bnStatistics->setFocusPolicy(Qt::NoFocus);  // the caret stays in the answer box
  bnStatistics->setToolTip("Your results so far (Ctrl+Shift+S)");
  lbToday = new TodayLine(page);
  lbToday->setGeometry(250, 2, 180, 36);
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

  PLACE(pcDisplay, QTabWidget, page, 352, 44, 196, 330);
  tsVerbList = new QWidget;
  tsVerbList->setObjectName("tsVerbList");
  tsSingleVerb = new QWidget;
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

  PLACE(Label14, QLabel, tsSingleVerb, 6, 8, 40, 16);
  Label14->setText("Tense:");
  PLACE(cbTenses, QComboBox, tsSingleVerb, 46, 4, 142, 22);
  cbTenses->setEditable(true);
  cbTenses->setInsertPolicy(QComboBox::NoInsert);
  for (std::string_view tense : kSpecificTenseCaptions) cbTenses->addItem(ToQString(tense));
  cbTenses->setCurrentIndex(0);
  PLACE(pcRegIreg, QTabWidget, tsSingleVerb, 2, 32, 186, 264);
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
  // Page controls with button-style tabs.
  for (QTabWidget* buttonTabs : {pcDisplay, pcRegIreg}) {
    buttonTabs->setUsesScrollButtons(false);
    buttonTabs->setStyleSheet(
        "QTabBar::tab { border: 1px solid #7a7a7a; border-radius: 3px; padding: 3px 6px; margin: 1px;"
        " background: #dcdcdc; }"
        "QTabBar::tab:selected { background: #a9d3f5; border-color: #3f6f9f; }");
  }
}

}  // namespace parlavo

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
#include "tester_page.h"
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
  AddPage(tsVerb = new TesterPage, "tsVerb", "VERB TESTER", "Verb Tester", false);
  AddPage(tsConjugation = new RegularEndingsPage, "tsConjugation", "Conjugations", "Regular Conjugations", false);
  AddPage(tsSelection = new AdvancedTestsPage, "tsSelection", "Advanced", "Advanced Tests", true);
  AddPage(tsOptions = new OptionsPage, "tsOptions", "Options", "Options", true);
  AddPage(TabSheet2 = new HelpPage, "TabSheet2", "HELP", "Help", true);
  AddPage(tsCommonVerbs = new ConjugatorPage(VerbItems), "tsCommonVerbs", "Verb Conjugator", "Conjugator", false);
  AddPage(tsStats = new StatisticsPage, "tsStats", "Statistics", QString(), false);
  tsParlavo->setPageTabVisible(kStatsPage, false);
  tsParlavo->setCurrentIndex(kVerbPage);

  BuildNavigation();

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

}  // namespace parlavo

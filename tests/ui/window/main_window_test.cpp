// The main window: navigation faces, keyboard page stepping, the question clock,
// help topics, the web link and the two export buttons.
#include <algorithm>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRadioButton>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <memory>

#include "atomic_file.h"
#include "clickable_label.h"
#include "fake_platform.h"
#include "file_man.h"
#include "text_codec.h"
#include "find_child.h"
#include "fonts.h"
#include "main_window.h"
#include "num_edit.h"
#include "page_control.h"
#include "question_loop.h"
#include "verb_ini_fixture.h"

using namespace parlavo;
using parlavo::testing::Child;
using parlavo::testing::FakePlatform;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

constexpr double kSecond = FakePlatform::kSecond;

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

void CtrlTab(QWidget* focus, bool back = false) {
  if (back)
    QTest::keyClick(focus, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  else
    QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
}

// Types text key by key, accented letters included.
void Type(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &release);
  }
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  QString oldCurrent_;
  FakePlatform platform_;
  std::unique_ptr<TfrmVerbTester> window_;

  // The grey (upper) faces that are showing; the current page's is hidden.
  std::vector<int> PagesWithGreyFace() const {
    std::vector<int> pages;
    for (const char* upper : {"imgVTutor", "imgAdv", "imgReg", "imgconj", "imgOpt", "imgHelp"})
      if (!Child<ClickableLabel>(window_, upper)->isHidden())
        pages.push_back(Child<ClickableLabel>(window_, upper)->Tag);
    std::sort(pages.begin(), pages.end());
    return pages;
  }

  void StepFromPage(int page) { CtrlTab(Child<TPageControl>(window_, "tsParlavo")->widget(page)); }
  double StartTime() const { return window_->Session().Loop().StartTime(); }
  double AnswerTime() const { return window_->Session().Loop().AnswerTime(); }
  bool ClockRuns() const { return StartTime() == AnswerTime(); }

 private slots:
  void initTestCase() {
    InstallFontSubstitutes();  // as the program does before its first window
    QVERIFY(dir_.isValid());
    oldCurrent_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    QVERIFY(parlavo::testing::WriteVerbIni("verb.ini", "@ser;to be\r\n\r\n@ir;to go\r\n\r\n"));
  }
  void cleanupTestCase() { QDir::setCurrent(oldCurrent_); }

  void init() {
    // Every window saves its settings and results on the way out; start afresh.
    QFile::remove("Parlavo.ini");
    QFile::remove("Results.txt");
    platform_ = FakePlatform{};
    platform_.programFolder = dir_.path() + "/";
    window_ = std::make_unique<TfrmVerbTester>(platform_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() { window_.reset(); }

  void startsOnTheTesterWithItsButtonBlue() {
    QCOMPARE(Child<TPageControl>(window_, "tsParlavo")->currentIndex(), int(TfrmVerbTester::kVerbPage));
    QCOMPARE(window_->ShownPage(), int(TfrmVerbTester::kVerbPage));
    QCOMPARE(PagesWithGreyFace(), (std::vector<int>{1, 2, 3, 4, 5}));
    QVERIFY(platform_.messages.empty());
    Click(Child<ClickableLabel>(window_, "imgconj"));  // the conjugator fills its list when first shown
    QCOMPARE(Child<QComboBox>(window_, "cbConj")->count(), 2);
    QCOMPARE(Child<QComboBox>(window_, "cbConj")->itemText(1), QString("ir"));
  }

  // Nothing shows the regular endings before their page does; they are written on
  // the way there, by a click or by code.
  void regularEndingsAreWrittenWhenTheirPageIsFirstShown() {
    QVERIFY(Child<QTextEdit>(window_, "reConjugations")->toPlainText().isEmpty());
    Click(Child<ClickableLabel>(window_, "imgReg"));
    QVERIFY(Child<QTextEdit>(window_, "reConjugations")->toPlainText().contains("AR\tER\tIR"));

    window_.reset();
    window_ = std::make_unique<TfrmVerbTester>(platform_);
    Child<TPageControl>(window_, "tsParlavo")->setCurrentIndex(TfrmVerbTester::kConjugationPage);
    QVERIFY(Child<QTextEdit>(window_, "reConjugations")->toPlainText().contains("AR\tER\tIR"));
  }

  void navigationImageShowsItsPage_data() {
    QTest::addColumn<QString>("image");
    QTest::addColumn<int>("page");
    QTest::addColumn<std::vector<int>>("grey");
    QTest::newRow("Options") << "imgOpt" << 3 << std::vector<int>{0, 1, 2, 4, 5};
    QTest::newRow("Advanced Tests") << "imgAdv" << 2 << std::vector<int>{0, 1, 3, 4, 5};
    QTest::newRow("Regular Endings") << "imgReg" << 1 << std::vector<int>{0, 2, 3, 4, 5};
    QTest::newRow("Verb Conjugator") << "imgconj" << 5 << std::vector<int>{0, 1, 2, 3, 4};
    QTest::newRow("Help") << "imgHelp" << 4 << std::vector<int>{0, 1, 2, 3, 5};
  }
  void navigationImageShowsItsPage() {
    QFETCH(QString, image);
    QFETCH(int, page);
    QFETCH(std::vector<int>, grey);
    Click(window_->findChild<ClickableLabel*>(image));
    QCOMPARE(Child<TPageControl>(window_, "tsParlavo")->currentIndex(), page);
    QCOMPARE(PagesWithGreyFace(), grey);
    // Back to the tester: its button blue again, the other grey again.
    Click(Child<ClickableLabel>(window_, "imgVTutor"));
    QCOMPARE(Child<TPageControl>(window_, "tsParlavo")->currentIndex(), 0);
    QCOMPARE(PagesWithGreyFace(), (std::vector<int>{1, 2, 3, 4, 5}));
  }

  void clickingTheBlueButtonChangesNothing() {
    Click(Child<ClickableLabel>(window_, "imgOpt"));
    const double startBefore = StartTime(), answerBefore = AnswerTime();
    platform_.now += 30 * kSecond;
    Click(Child<ClickableLabel>(window_, "Image15"));  // the blue face of "Options", now on top
    QCOMPARE(Child<TPageControl>(window_, "tsParlavo")->currentIndex(), 3);
    QCOMPARE(window_->ShownPage(), 3);
    QCOMPARE(PagesWithGreyFace(), (std::vector<int>{0, 1, 2, 4, 5}));
    QCOMPARE(StartTime(), startBefore);
    QCOMPARE(AnswerTime(), answerBefore);
  }

  void statisticsHasNoNavigationImage() {
    for (ClickableLabel* image : Child<QFrame>(window_, "Panel1")->findChildren<ClickableLabel*>())
      QVERIFY2(image->Tag != TfrmVerbTester::kStatsPage, qPrintable(image->objectName()));
  }

  void ctrlTabVisitsVisibleTabsOnly_data() {
    QTest::addColumn<bool>("advanced");
    QTest::addColumn<bool>("back");
    QTest::addColumn<std::vector<int>>("visits");
    QTest::newRow("forward") << false << false << std::vector<int>{1, 3, 4, 5, 0};
    QTest::newRow("backward") << false << true << std::vector<int>{5, 4, 3, 1, 0};
    QTest::newRow("forward, advanced tab") << true << false << std::vector<int>{1, 2, 3, 4, 5, 0};
    QTest::newRow("backward, advanced tab") << true << true << std::vector<int>{5, 4, 3, 2, 1, 0};
  }
  void ctrlTabVisitsVisibleTabsOnly() {
    QFETCH(bool, advanced);
    QFETCH(bool, back);
    QFETCH(std::vector<int>, visits);
    Child<TPageControl>(window_, "tsParlavo")->setPageTabVisible(TfrmVerbTester::kSelectionPage, advanced);
    std::vector<int> seen;
    for (std::size_t i = 0; i < visits.size(); ++i) {
      CtrlTab(Child<TPageControl>(window_, "tsParlavo")->currentWidget(), back);
      seen.push_back(Child<TPageControl>(window_, "tsParlavo")->currentIndex());
    }
    QCOMPARE(seen, visits);
    // Stepping with the keyboard leaves the navigation faces as they were.
    QCOMPARE(window_->ShownPage(), 0);
  }

  void ctrlTabWorksFromInsideTheAnswerBox() {
    Child<QTextEdit>(window_, "reVerb")->setFocus();
    CtrlTab(Child<QTextEdit>(window_, "reVerb"));
    QCOMPARE(Child<TPageControl>(window_, "tsParlavo")->currentIndex(), 1);
    QVERIFY(Child<QTextEdit>(window_, "reVerb")->toPlainText().isEmpty());
  }

  void clockPausedWhileAwayWithCtrlTab() {
    const double start = StartTime();
    platform_.now += 10 * kSecond;
    StepFromPage(0);  // to "Conjugations": pause
    QVERIFY(!ClockRuns());
    platform_.now += 120 * kSecond;
    for (int i = 0; i < 4; ++i)
      StepFromPage(Child<TPageControl>(window_, "tsParlavo")->currentIndex());  // round to the tester
    QCOMPARE(Child<TPageControl>(window_, "tsParlavo")->currentIndex(), 0);
    QVERIFY(ClockRuns());
    // Only the ten seconds before leaving count.
    QVERIFY(qAbs((platform_.now - StartTime()) - 10 * kSecond) < 1e-9);
    QVERIFY(StartTime() > start);
  }

  void navigationImagesNeitherPauseNorResume() {
    const double start = StartTime();
    platform_.now += 5 * kSecond;
    Click(Child<ClickableLabel>(window_, "imgOpt"));
    QVERIFY(ClockRuns());
    QCOMPARE(StartTime(), start);
    // Paused by leaving with Ctrl+Tab, then back by image: stays paused.
    Click(Child<ClickableLabel>(window_, "imgVTutor"));
    StepFromPage(0);
    const double pausedAt = AnswerTime();
    platform_.now += 60 * kSecond;
    Click(Child<ClickableLabel>(window_, "imgVTutor"));
    QVERIFY(!ClockRuns());
    QCOMPARE(AnswerTime(), pausedAt);
  }

  void applicationFocusPausesAndResumes() {
    auto state = [](Qt::ApplicationState s) {
      QMetaObject::invokeMethod(qApp, "applicationStateChanged", Qt::DirectConnection, Q_ARG(Qt::ApplicationState, s));
    };
    platform_.now += 7 * kSecond;
    state(Qt::ApplicationInactive);
    QVERIFY(!ClockRuns());
    const double pausedAt = AnswerTime();
    platform_.now += 3 * kSecond;
    state(Qt::ApplicationHidden);  // a second pause keeps the first one's time
    QCOMPARE(AnswerTime(), pausedAt);

    // Back while another page is current: still paused.
    Click(Child<ClickableLabel>(window_, "imgHelp"));
    platform_.now += 100 * kSecond;
    state(Qt::ApplicationActive);
    QVERIFY(!ClockRuns());

    // Until the tester is reached by the keyboard.
    for (int guard = 0; guard < 6 && Child<TPageControl>(window_, "tsParlavo")->currentIndex() != 0; ++guard)
      StepFromPage(Child<TPageControl>(window_, "tsParlavo")->currentIndex());
    QVERIFY(ClockRuns());
    QVERIFY(qAbs((platform_.now - StartTime()) - 7 * kSecond) < 1e-9);
  }

  void helpButtonsOpenTheirTopics_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("context");
    const std::pair<const char*, int> topics[] = {
        {"Button53", 9999}, {"Button54", 13}, {"Button58", 4},  {"Button55", 1},
        {"Button56", 13},   {"Button57", 5},  {"Button62", 2},  {"Button63", 3},
        {"Button64", 6},    {"Button51", 10}, {"Button61", 7},  {"Button66", 11},
        {"Button60", 8},    {"Button52", 12}, {"Button59", 14}, {"bnHelpReviewing", 18}};
    for (const auto& [name, context] : topics) QTest::newRow(name) << QString(name) << context;
  }
  void helpButtonsOpenTheirTopics() {
    QFETCH(QString, button);
    QFETCH(int, context);
    Click(Child<ClickableLabel>(window_, "imgHelp"));
    auto* widget = Child<QWidget>(window_, "TabSheet2")->findChild<QPushButton*>(button);
    QVERIFY(widget);
    Click(widget);
    QCOMPARE(platform_.helpContexts, std::vector<int>{context});
  }

  void webLinkOpensThePageAndNeverComplains() {
    platform_.webPageOpens = false;
    Click(Child<ClickableLabel>(window_, "imgHelp"));
    Click(Child<ClickableLabel>(window_, "Label7"));
    QCOMPARE(platform_.webPages, std::vector<QString>{"https://www.parlavo.app/"});
    QVERIFY(platform_.messages.empty());
  }

  void closeButtonsCloseTheWindow_data() {
    QTest::addColumn<QString>("image");
    QTest::newRow("CLOSE") << "Image7";
    QTest::newRow("close glyph") << "Image18";
  }
  void closeButtonsCloseTheWindow() {
    QFETCH(QString, image);
    Click(window_->findChild<ClickableLabel*>(image));
    QVERIFY(!window_->isVisible());
  }

  void aRightAnswerBeepsPausesRecordsAndMovesOn() {
    Child<QComboBox>(window_, "cbSimple")->setCurrentIndex(0);  // "Current Filter": the Advanced page
    Click(Child<QPushButton>(window_, "Button1"));              // cleared: every tense and person
    Click(Child<QPushButton>(window_, "Button14"));             // GO
    QCOMPARE(Child<QListWidget>(window_, "lbVerbs")->count(), 100);
    QCOMPARE(Child<QLabel>(window_, "lbVerbTitle")->text(), QString("100 conjugations in the test"));
    QCOMPARE(Child<QListWidget>(window_, "lbVerbs")->currentRow(), 0);
    const QString expected = ToQString(window_->Session().Loop().ExpectedForm());
    QVERIFY(!expected.isEmpty());

    Child<QTextEdit>(window_, "reVerb")->setFocus();
    Type(Child<QTextEdit>(window_, "reVerb"), expected);
    QCOMPARE(platform_.beeps, 3);
    QVERIFY(Child<QTimer>(window_, "tm500")->isActive());
    QTRY_COMPARE(Child<QListWidget>(window_, "lbVerbs")->currentRow(), 1);
    QCOMPARE(window_->Session().Results()->ResultLines.size(), std::size_t(1));
    QVERIFY(window_->Session().Results()->ResultLines[0].rfind(FromQString(expected) + ",", 0) == 0);
    QVERIFY(Child<QTextEdit>(window_, "reVerb")->toPlainText().isEmpty());
  }

  void wrongLettersTurnRed() {
    Child<QComboBox>(window_, "cbSimple")->setCurrentIndex(0);
    Click(Child<QPushButton>(window_, "Button1"));
    Click(Child<QPushButton>(window_, "Button14"));
    Child<QTextEdit>(window_, "reVerb")->setFocus();
    Type(Child<QTextEdit>(window_, "reVerb"), "qq");
    QTextCursor cursor(Child<QTextEdit>(window_, "reVerb")->document());
    cursor.setPosition(1);  // the format of the first letter
    QCOMPARE(cursor.charFormat().foreground().color(), QColor(255, 0, 0));
    QVERIFY(window_->Session().Loop().Score() < 10);
  }

  void savedFilterNamesMustBeGivenAndUnique() {
    Click(Child<ClickableLabel>(window_, "imgAdv"));
    Child<QLineEdit>(window_, "edSave")->clear();
    Click(Child<QPushButton>(window_, "bnSave"));
    Child<QLineEdit>(window_, "edSave")->setText("Mine");
    Click(Child<QPushButton>(window_, "bnSave"));
    QCOMPARE(Child<QListWidget>(window_, "lbSettings")->count(), 1);
    QCOMPARE(Child<QComboBox>(window_, "cbSimple")->itemText(1), QString("Mine"));
    QCOMPARE(window_->FirstPresetIndex, 2);
    Child<QLineEdit>(window_, "edSave")->setText("MINE");
    Click(Child<QPushButton>(window_, "bnSave"));
    QCOMPARE(Child<QListWidget>(window_, "lbSettings")->count(), 1);
    QCOMPARE(platform_.messages.size(), std::size_t(2));
    QCOMPARE(platform_.messages[0].title, QString("Error - No Filter Name"));
    QCOMPARE(platform_.messages[1].title, QString("Duplicate Name Error"));
    // Deleting needs a selection.
    Click(Child<QPushButton>(window_, "bnDelete"));
    QCOMPARE(Child<QListWidget>(window_, "lbSettings")->count(), 1);
    Child<QListWidget>(window_, "lbSettings")->setCurrentRow(0);
    Click(Child<QPushButton>(window_, "bnDelete"));
    QCOMPARE(Child<QListWidget>(window_, "lbSettings")->count(), 0);
  }

  void draggingTheStripOrABandMovesTheWindow_data() {
    QTest::addColumn<QString>("handle");
    QTest::newRow("navigation strip") << "Panel1";
    QTest::newRow("header band") << "tsVerbBand";
  }
  void draggingTheStripOrABandMovesTheWindow() {
    QFETCH(QString, handle);
    auto* widget = window_->findChild<QWidget*>(handle);
    QVERIFY(widget);
    const QPoint before = window_->pos();
    const QPoint grip(5, 20);
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, grip);
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(30, 20)),
                     widget->mapToGlobal(QPointF(grip + QPoint(30, 20))), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, grip + QPoint(30, 20));
    QCOMPARE(window_->pos(), before + QPoint(30, 20));
  }

  void optionClicksReachTheOptionsRecord() {
    Click(Child<ClickableLabel>(window_, "imgOpt"));
    QVERIFY(window_->Session().Options().beep);
    Click(Child<QCheckBox>(window_, "cbBeep"));
    QVERIFY(!window_->Session().Options().beep);
    Click(Child<QRadioButton>(window_, "rbdpArg"));
    QCOMPARE(window_->Session().Options().country, 2);
    Child<TNewRealEdit>(window_, "reTimeDelay")->setText("--");  // no number: the last good pause time stays
    Click(Child<QCheckBox>(window_, "cbBeep"));
    QCOMPARE(window_->Session().Options().pausetime, 0.5f);
  }

  void advancedOptionShowsTheAdvancedTab() {
    Child<QCheckBox>(window_, "cbAdvanced")->show();
    Click(Child<QCheckBox>(window_, "cbAdvanced"));
    QVERIFY(window_->Session().Options().adv);
    QVERIFY(Child<TPageControl>(window_, "tsParlavo")->isPageTabVisible(TfrmVerbTester::kSelectionPage));
    QCOMPARE(Child<TPageControl>(window_, "tsParlavo")->currentIndex(), int(TfrmVerbTester::kSelectionPage));
    QCOMPARE(window_->ShownPage(), 0);  // the navigation faces stay as they were
  }

  void exportsWriteTheirFilesAndConfirm_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("firstLine");
    // clang-format off
    QTest::newRow("all verbs") << "bnVerbToFile" << "AllVerbs.txt" << QByteArray(64, '*');
    QTest::newRow("special") << "bnSpecialOutput" << "SpecialVerbs.txt"
                             << QByteArray(R"("Count","Verb","Translation","Tense","Conjugation","Irregular","Person")");
    // clang-format on
  }
  void exportsWriteTheirFilesAndConfirm() {
    QFETCH(QString, button);
    QFETCH(QString, file);
    QFETCH(QByteArray, firstLine);
    QFile::remove(file);
    Click(Child<QPushButton>(window_, button.toLatin1().constData()));
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readLine(), firstLine + "\r\n");
    QCOMPARE(platform_.messages.size(), std::size_t(1));
    QCOMPARE(platform_.messages[0].title, QString("Complete"));
    QCOMPARE(platform_.messages[0].text, QString("The file '%1' can be found in the Parlavo directory.").arg(file));
    QCOMPARE(platform_.messages[0].icon, MessageIcon::Exclamation);
  }

  // Installed, the window reads and writes only where it is told: settings in one
  // folder, results and exports in another, and the export message names that folder.
  void installedLayoutKeepsFilesInTheFoldersGiven() {
    window_.reset();
    QTemporaryDir places;
    QVERIFY(QDir(places.path()).mkpath("config") && QDir(places.path()).mkpath("data"));
    FileLocations files;
    files.settingsFile = places.filePath("config/Parlavo.ini");
    files.dataFolder = places.filePath("data") + "/";
    files.verbFile = dir_.filePath("verb.ini");
    platform_.files = files;
    const QStringList workBefore = QDir().entryList(QDir::Files);
    window_ = std::make_unique<TfrmVerbTester>(platform_);
    Click(Child<QPushButton>(window_, "bnSpecialOutput"));
    QVERIFY(QFile::exists(places.filePath("data/SpecialVerbs.txt")));
    QCOMPARE(platform_.messages.size(), std::size_t(1));
    QCOMPARE(platform_.messages[0].text, QString("The file 'SpecialVerbs.txt' can be found in the folder '%1'.")
                                             .arg(QDir::toNativeSeparators(places.filePath("data"))));
    window_.reset();  // shutdown writes the settings
    QVERIFY(QFile::exists(files.settingsFile));
    QCOMPARE(QDir().entryList(QDir::Files), workBefore);
  }

  void specialExportHasALinePerItem() {
    Click(Child<QPushButton>(window_, "bnSpecialOutput"));
    QFile written("SpecialVerbs.txt");
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll().count('\n'), qsizetype(1 + 2 * 153));
  }

  void failedExportNamesTheFailureAndDoesNotConfirm() {
    QFile::remove("AllVerbs.txt");
    QVERIFY(QDir().mkpath("AllVerbs.txt/blocked"));  // a folder where the file should go
    Click(Child<QPushButton>(window_, "bnVerbToFile"));
    QDir("AllVerbs.txt").removeRecursively();
    QCOMPARE(platform_.messages.size(), std::size_t(1));
    QCOMPARE(platform_.messages[0].title, QString("Error"));
    QVERIFY2(platform_.messages[0].text.contains("AllVerbs.txt"), qPrintable(platform_.messages[0].text));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

// Start-up of the main window: the data file load, its failure, the code-page
// warning and the state the first question starts from.
#include <QCheckBox>
#include <QComboBox>
#include <QTimer>
#include <QEventLoop>
#include <QPointer>
#include <QListWidget>
#include <QRadioButton>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "conjugator_page.h"
#include "fake_platform.h"
#include "loading_splash.h"
#include "find_child.h"
#include "fonts.h"
#include "main_window.h"
#include "page_control.h"
#include "question_loop.h"
#include "verb_ini_fixture.h"

using namespace parlavo;
using parlavo::testing::Child;
using parlavo::testing::FakePlatform;

namespace {

const QString kNoData = "No verb datafile found.  Unable to continue";
const QString kCodePageWarning =
    "You must be using an ASCII code 437 or 850 Code Page.  This error is being shown because the keyboard and "
    "language settings are not necessarily compatible.  Please set the PC in a mode where the language and keyboard "
    "are English.";

}  // namespace

class StartUpTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  QString oldCurrent_;
  FakePlatform platform_;

  void WriteVerbIni(const std::string& body) { QVERIFY(parlavo::testing::WriteVerbIni("verb.ini", body)); }
  static void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
  }

 private slots:
  // As the program does before its first window.
  void initTestCase() { InstallFontSubstitutes(); }
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    oldCurrent_ = QDir::currentPath();
    QDir::setCurrent(dir_->path());
    platform_ = FakePlatform{};
    platform_.programFolder = dir_->path() + "/";
  }
  void cleanup() {
    QDir::setCurrent(oldCurrent_);
    dir_.reset();
  }

  void loadsTheVerbsAndStartsTheFirstQuestion() {
    WriteVerbIni("@ser;to be\r\n\r\n@estar;to be\r\n\r\n@ir;to go\r\n\r\n");
    platform_.now = 0.25;
    TfrmVerbTester window(platform_);
    QVERIFY(platform_.messages.empty());
    QVERIFY(!window.CloseAtShow);
    QVERIFY(!window.StartingUp);
    // The splash stays up until the window shows, and goes then.
    QPointer<QWidget> splash = window.findChild<QWidget*>("TfrmLoadingSplash");
    QVERIFY(splash && splash->isVisible());
    QCOMPARE(window.Session().Verbs().size(), std::size_t(3 * kItemsPerVerb));
    Child<ConjugatorPage>(window, "tsCommonVerbs")->EnsureBuilt();  // its list is filled when first shown
    QCOMPARE(Child<QComboBox>(window, "cbConj")->count(), 3);
    QCOMPARE(Child<QComboBox>(window, "cbConj")->itemText(0), QString("ser"));
    QCOMPARE(Child<TPageControl>(window, "tsParlavo")->currentIndex(), int(TfrmVerbTester::kVerbPage));
    QCOMPARE(window.Session().Loop().Score(), std::int8_t(10));
    QCOMPARE(window.Session().Loop().StartTime(), 0.25);
    QCOMPARE(window.Session().Loop().AnswerTime(), 0.25);
    QVERIFY(window.Session().Loop().PauseDone());
    QVERIFY(!window.Session().Loop().Answered());
    // Statistics never, Advanced only with the option on.
    QVERIFY(!Child<TPageControl>(window, "tsParlavo")->isPageTabVisible(TfrmVerbTester::kStatsPage));
    QCOMPARE(Child<TPageControl>(window, "tsParlavo")->isPageTabVisible(TfrmVerbTester::kSelectionPage),
             Child<QCheckBox>(window, "cbAdvanced")->isChecked());
    window.show();
    // A plain event loop, as the program runs (the test's own waiting would free it anyway).
    QEventLoop loop;
    QTimer::singleShot(100, &loop, &QEventLoop::quit);
    loop.exec();
    QVERIFY(splash.isNull());
    // The window goes down while shown (its hiding moves the focus) after its session.
  }

  void missingDataFileClosesTheWindowWhenShown() {
    bool destroyed = false;
    {
      auto* window = new TfrmVerbTester(platform_);
      connect(window, &QObject::destroyed, [&] { destroyed = true; });
      window->setAttribute(Qt::WA_DeleteOnClose);
      QCOMPARE(platform_.messages.size(), std::size_t(1));
      QCOMPARE(platform_.messages[0].title, QString("Error"));
      QCOMPARE(platform_.messages[0].text, kNoData);
      QCOMPARE(platform_.messages[0].icon, MessageIcon::Exclamation);
      QVERIFY(window->CloseAtShow);
      QVERIFY(window->findChild<QWidget*>("TfrmLoadingSplash") != nullptr);  // stays up until the window goes
      QCOMPARE(window->Session().Loop().Score(), std::int8_t(10));
      window->show();
    }
    QTRY_VERIFY(destroyed);
    QCOMPARE(platform_.messages.size(), std::size_t(1));
    // The shutdown still saved the options and the current filter.
    QFile settings(platform_.programFolder + "Parlavo.ini");
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QByteArray text = settings.readAll();
    QVERIFY2(text.contains("[Options]") && text.contains("Current FilterPEOPLE="), text.constData());
  }

  void settingsBesideTheProgramDataInTheWorkingFolder() {
    WriteVerbIni("@ser;to be\r\n\r\n");
    QTemporaryDir programDir;
    platform_.programFolder = programDir.path() + "/";
    WriteFile(programDir.filePath("Parlavo.ini"), "[Options]\r\ncountry=2\r\nsimplemod=0\r\n");
    {
      TfrmVerbTester window(platform_);
      QVERIFY(platform_.messages.empty());
      QVERIFY(Child<QRadioButton>(window, "rbdpArg")->isChecked());
    }
    QVERIFY(!QFile::exists("Parlavo.ini"));
    QVERIFY(QFile::exists("Results.txt"));
    QFile settings(programDir.filePath("Parlavo.ini"));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QVERIFY(settings.readAll().contains("country=2"));
  }

  void savedOptionsChooseTabsAndFirstTest_data() {
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<bool>("advancedTab");
    QTest::addColumn<int>("test");
    QTest::addColumn<int>("displayPage");
    QTest::newRow("a preset, no Advanced tab") << QByteArray("adv=0\r\nsimplemod=3\r\n") << false << 3 << 0;
    QTest::newRow("current filter, Advanced tab") << QByteArray("adv=1\r\nsimplemod=0\r\n") << true << 0 << 1;
  }
  void savedOptionsChooseTabsAndFirstTest() {
    QFETCH(QByteArray, options);
    QFETCH(bool, advancedTab);
    QFETCH(int, test);
    QFETCH(int, displayPage);
    WriteVerbIni("@ser;to be\r\n\r\n");
    WriteFile("Parlavo.ini", "[Default]\r\nCount=5\r\n1=a\r\n2=b\r\n3=c\r\n4=d\r\n5=e\r\n[Options]\r\n" + options);
    TfrmVerbTester window(platform_);
    QCOMPARE(Child<TPageControl>(window, "tsParlavo")->isPageTabVisible(TfrmVerbTester::kSelectionPage), advancedTab);
    QCOMPARE(Child<QComboBox>(window, "cbSimple")->currentIndex(), test);
    QCOMPARE(Child<QTabWidget>(window, "pcDisplay")->currentIndex(), displayPage);
    QCOMPARE(Child<TPageControl>(window, "tsParlavo")->currentIndex(), int(TfrmVerbTester::kVerbPage));
  }

  void damagedDataFileCountsAsMissing() {
    QFile verbs("verb.ini");
    QVERIFY(verbs.open(QIODevice::WriteOnly));
    verbs.write("not a verb file\r\n");
    verbs.close();
    TfrmVerbTester window(platform_);
    QCOMPARE(platform_.messages.size(), std::size_t(1));
    QCOMPARE(platform_.messages[0].text, kNoData);
    QVERIFY(window.CloseAtShow);
  }

  void codePageWarning_data() {
    QTest::addColumn<int>("codePage");
    QTest::addColumn<bool>("warned");
    QTest::newRow("437") << 437 << false;
    QTest::newRow("850") << 850 << false;
    QTest::newRow("1252") << 1252 << true;
    QTest::newRow("unknown set") << 0 << true;
  }
  void codePageWarning() {
    QFETCH(int, codePage);
    QFETCH(bool, warned);
    WriteVerbIni("@ser;to be\r\n\r\n");
    platform_.codePage = codePage;
    TfrmVerbTester window(platform_);
    QCOMPARE(platform_.messages.size(), std::size_t(warned ? 1 : 0));
    if (warned) {
      QCOMPARE(platform_.messages[0].title, QString("Error"));
      QCOMPARE(platform_.messages[0].text, kCodePageWarning);
      QCOMPARE(platform_.messages[0].icon, MessageIcon::Exclamation);
    }
    // Start-up goes on as usual.
    QVERIFY(!window.CloseAtShow);
    Child<ConjugatorPage>(window, "tsCommonVerbs")->EnsureBuilt();
    QCOMPARE(Child<QComboBox>(window, "cbConj")->count(), 1);
  }

  void allVerbTypesTickedAfterStartUp() {
    WriteVerbIni("@ser;to be\r\n\r\n");
    WriteFile("Parlavo.ini", "[Filter]\r\nCurrent FilterVERBS=False,False,False\r\nCurrent FilterIRREG=JREG\r\n");
    TfrmVerbTester window(platform_);
    for (int i = 0; i < Child<QListWidget>(window, "cbVerbType")->count(); ++i)
      QCOMPARE(Child<QListWidget>(window, "cbVerbType")->item(i)->checkState(), Qt::Checked);
  }

  void numbersUseAPointWhateverTheLocale() {
    WriteVerbIni("@ser;to be\r\n\r\n");
    TfrmVerbTester window(platform_);
    QCOMPARE(QLocale().decimalPoint(), QString("."));
    QCOMPARE(std::to_string(0.5).substr(0, 3), std::string("0.5"));
  }
};

QTEST_MAIN(StartUpTest)
#include "start_up_test.moc"

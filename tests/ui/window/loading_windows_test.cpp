// The splash and the progress window: how their bars count.
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QTest>

#include "loading_progress.h"
#include "loading_splash.h"
#include "round_half_even.h"

using namespace parlavo;

class LoadingWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void roundsHalfToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("half down to even") << 500.5 << 500;
    QTest::newRow("half up to even") << 501.5 << 502;
    QTest::newRow("below half") << 2.4 << 2;
    QTest::newRow("above half") << 2.6 << 3;
    QTest::newRow("whole") << 7.0 << 7;
    QTest::newRow("zero") << 0.0 << 0;
  }
  void roundsHalfToEven() {
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(RoundHalfEven(value), rounded);
  }

  void splashTickCreepsAndClamps_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("next");
    QTest::addColumn<int>("bar");
    QTest::newRow("small positions stay") << 400 << 400 << 400;
    QTest::newRow("tie at 500 stays even") << 500 << 500 << 500;
    QTest::newRow("above 500 creeps") << 700 << 701 << 701;
    QTest::newRow("beyond the range clamps") << 4000 << 4004 << 1000;
    QTest::newRow("negative clamps to 0") << -20 << -20 << 0;
  }
  void splashTickCreepsAndClamps() {
    QFETCH(int, position);
    QFETCH(int, next);
    QFETCH(int, bar);
    TfrmLoadingSplash splash;
    splash.tmLoader->stop();
    splash.SetLoadPosition(position);
    splash.tmLoaderTimer();
    QCOMPARE(splash.LoadPosition, next);
    QCOMPARE(splash.prLoading->value(), bar);
  }

  void splashHandsInfinitivesOn() {
    TfrmLoadingSplash splash;
    std::vector<std::string> seen;
    splash.OnInfinitive = [&](const std::string& infinitive) { seen.push_back(infinitive); };
    splash.AddInfinitive("ser");
    splash.AddInfinitive("ir");
    QCOMPARE(seen, (std::vector<std::string>{"ser", "ir"}));
  }

  void progressCountsWithTitle() {
    TfrmLoading progress;
    progress.tmLoader->stop();
    progress.ShowProgress("Updating conjugation : ", 0, 153, true, true);
    for (int i = 0; i < 12; ++i) progress.StepProgress();
    progress.tmLoaderTimer();
    QCOMPARE(progress.lbTitle->text(), QString("Updating conjugation : 12 of 153"));
    QCOMPARE(progress.prLoading->value(), 12);
  }

  void progressWithoutCounterKeepsTitle() {
    TfrmLoading progress;
    progress.tmLoader->stop();
    progress.ShowProgress("Selecting verbs", 0, 40, false, true);
    progress.StepProgress();
    progress.tmLoaderTimer();
    QCOMPARE(progress.lbTitle->text(), QString("Selecting verbs"));
  }

  void progressTakesItsVisibilityAtTheFirstStep() {
    TfrmLoading progress;
    progress.ShowProgress("Selecting verbs", 0, 40, false, false);
    QVERIFY(progress.isVisible());
    progress.StepProgress();
    QVERIFY(!progress.isVisible());
    progress.show();
    progress.StepProgress();  // only the first step sets it
    QVERIFY(progress.isVisible());
  }
};

QTEST_MAIN(LoadingWindowsTest)
#include "loading_windows_test.moc"

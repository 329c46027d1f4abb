// Learning from the results, driven as a learner drives it: a short test answered
// to its end and its summary, the review tests at the end of the MULTI list, and
// the "Today" line.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QTabWidget>
#include <QTimer>

#include "file_man.h"
#include "local_day.h"
#include "find_child.h"
#include "fonts.h"
#include "chart_drawing.h"
#include "main_window.h"
#include "num_edit.h"
#include "page_control.h"
#include "progress_chart.h"
#include "question_loop.h"
#include "review.h"
#include "text_codec.h"
#include "today_line.h"
#include "window_session.h"

using namespace parlavo;
using parlavo::testing::Child;
using parlavo::testing::Type;
using parlavo::testing::WindowSession;

namespace {

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

QStringList Rows(const QListWidget* list) {
  QStringList rows;
  for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
  return rows;
}

// "2026-12-10T09:00:00" for `daysAgo` days before today.
QByteArray HistoryLine(int daysAgo, int first, int last) {
  const std::string start = FormatDateTime({LocalNow().day - daysAgo, 9 * 3600});
  return QByteArray::fromStdString(start) + "," + QByteArray::number(first) + "," + QByteArray::number(last) + "," +
         QByteArray::number(last - first + 1) + ",9.00\r\n";
}

}  // namespace

class PracticeWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowSession> session_;
  TfrmVerbTester* w_ = nullptr;

  void Open() { w_ = &session_->Open(); }

  void InListOrder() {
    if (Child<QCheckBox>(w_, "cbAutoRandom")->isChecked()) Click(Child<QCheckBox>(w_, "cbAutoRandom"));
  }

  // A test of tener's first three Present rows, in list order.
  void StartThreeQuestions() {
    InListOrder();
    Child<TNewIntEdit>(w_, "reVIT")->setText("3");
    Child<QTabWidget>(w_, "pcDisplay")->setCurrentIndex(1);
    Child<QComboBox>(w_, "cbTenses")->setCurrentIndex(0);
    Click(Child<QPushButton>(w_, "bnSingleTener"));
  }

  // Answers the current question by typing its form; with `help` the learner first
  // asks for the answer (score -10). Returns once the pause is over.
  void Answer(bool help) {
    if (help) Click(Child<QPushButton>(w_, "Button17"));
    Child<QTextEdit>(w_, "reVerb")->setFocus();
    Type(Child<QTextEdit>(w_, "reVerb"), ToQString(w_->Session().Loop().ExpectedForm()));
    QVERIFY(w_->Session().Loop().Answered());
    QTRY_VERIFY(!Child<QTimer>(w_, "tm500")->isActive());
  }

  QDialog* Summary() const { return w_->findChild<QDialog*>("dlgTestSummary"); }

  void Choose(const QString& preset) {
    Child<QComboBox>(w_, "cbSimple")->setCurrentIndex(Child<QComboBox>(w_, "cbSimple")->findText(preset));
    Click(Child<QPushButton>(w_, "Button14"));  // GO
  }

 private slots:
  // As the program does before its first window.
  void initTestCase() {
    InstallFontSubstitutes();
    UseChartDrawing(parlavo_chart_drawing());  // the program loads it, the test links it
  }
  void init() {
    session_ = std::make_unique<WindowSession>();
    QVERIFY(session_->Valid());
    QVERIFY(session_->WriteVerbs());
  }
  void cleanup() {
    session_.reset();
    w_ = nullptr;
  }

  // Three questions, the second answered with help: the summary comes after the
  // last answer's pause, and each way out of it leaves the tester as the learner
  // asked.
  void finishedTestShowsItsSummary_data() {
    QTest::addColumn<QString>("way");  // a button's name, or "Enter" / "Escape"
    QTest::addColumn<int>("rowsAfter");
    QTest::addColumn<bool>("onlyTheMissedOne");
    QTest::newRow("practise the missed ones") << "bnPractiseMissed" << 1 << true;
    QTest::newRow("Enter practises them") << "Enter" << 1 << true;
    QTest::newRow("repeat this test") << "bnRepeatTest" << 3 << false;
    QTest::newRow("close") << "bnCloseSummary" << 3 << false;
    QTest::newRow("Escape closes") << "Escape" << 3 << false;
  }
  void finishedTestShowsItsSummary() {
    QFETCH(QString, way);
    QFETCH(int, rowsAfter);
    QFETCH(bool, onlyTheMissedOne);
    Open();
    StartThreeQuestions();
    const QStringList rows = Rows(Child<QListWidget>(w_, "lbVerbs"));
    QCOMPARE(rows.size(), 3);

    Answer(false);
    QVERIFY(!Summary());
    const TVerb* missed = w_->Session().Loop().CurrentItem();
    Answer(true);
    QVERIFY(!Summary());
    Answer(false);

    QDialog* summary = Summary();
    QVERIFY(summary);
    QVERIFY(summary->isVisible());
    const QString figures = summary->findChild<QLabel*>("lbSummaryFigures")->text();
    QVERIFY2(figures.contains("Questions: 3"), qPrintable(figures));
    QVERIFY2(figures.contains("Right at the first try: 2 of 3"), qPrintable(figures));
    const auto* missedList = summary->findChild<QListWidget*>("lbMissedForms");
    QVERIFY(missedList);
    QCOMPARE(missedList->count(), 1);
    QVERIFY(missedList->item(0)->text().contains(ToQString(std::string(missed->Form()))));

    session_->platform.now += 20 * testing::FakePlatform::kSecond;  // the learner reads the summary
    if (way == "Enter")
      QTest::keyClick(summary, Qt::Key_Return);
    else if (way == "Escape")
      QTest::keyClick(summary, Qt::Key_Escape);
    else
      Click(summary->findChild<QPushButton*>(way));
    QTRY_VERIFY(!Summary() || !Summary()->isVisible());

    QCOMPARE(Child<QListWidget>(w_, "lbVerbs")->count(), rowsAfter);
    if (onlyTheMissedOne) {
      QCOMPARE(w_->Session().Loop().Rows(), TestList{missed});
      QCOMPARE(w_->Session().Loop().CurrentItem(), missed);
    } else {
      QCOMPARE(Rows(Child<QListWidget>(w_, "lbVerbs")), rows);
      QCOMPARE(Child<QListWidget>(w_, "lbVerbs")->currentRow(), 0);  // wrapped round, or started again
    }
    // Closed: the list goes on and the done test says nothing more; repeated or
    // practised: a new test, done again once every question is answered. The time
    // spent on the summary is no question's time.
    const std::size_t before = w_->Session().Results()->ResultLines.size();
    for (int i = 0; i < rowsAfter; ++i) Answer(false);
    const std::string& next = w_->Session().Results()->ResultLines[before];
    QVERIFY2(next.ends_with(",0"), next.c_str());
    const bool newSummary = Summary() && Summary()->isVisible();
    QCOMPARE(newSummary, way != "bnCloseSummary" && way != "Escape");
  }

  // Nothing missed: Enter closes, and "Practise the missed ones" cannot be pressed.
  void nothingMissedEnterCloses() {
    Open();
    StartThreeQuestions();
    for (int i = 0; i < 3; ++i) Answer(false);
    QDialog* summary = Summary();
    QVERIFY(summary);
    QVERIFY(!summary->findChild<QPushButton*>("bnPractiseMissed")->isEnabled());
    QTest::keyClick(summary, Qt::Key_Return);
    QTRY_VERIFY(!Summary() || !Summary()->isVisible());
    QCOMPARE(Child<QListWidget>(w_, "lbVerbs")->count(), 3);
  }

  // The two review tests come after the presets, so a stored "simplemod" still
  // names the test it named.
  void reviewEntriesFollowThePresets() {
    Open();
    const int count = Child<QComboBox>(w_, "cbSimple")->count();
    QCOMPARE(w_->FirstReviewIndex, count - 2);
    QCOMPARE(Child<QComboBox>(w_, "cbSimple")->itemText(count - 2), QString("Review - forms I got wrong"));
    QCOMPARE(Child<QComboBox>(w_, "cbSimple")->itemText(count - 1), QString("Review - due today"));
    QCOMPARE(count - w_->FirstPresetIndex, 53 + 2);
  }

  // A results file and its history: tengo missed yesterday, tienes right today,
  // tenemos right 3 days ago and 2 days ago (box 3, not due yet), tiene right
  // long ago (undated: due).
  void reviewBuildsFromResultsAndHistory_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("withResults");
    QTest::addColumn<QStringList>("forms");
    QTest::addColumn<QString>("title");
    QTest::newRow("forms I got wrong") << "Review - forms I got wrong" << true << QStringList{"tengo"} << QString();
    QTest::newRow("due today") << "Review - due today" << true << QStringList{"tengo", "tiene"} << QString();
    QTest::newRow("wrong, no results") << "Review - forms I got wrong" << false << QStringList{}
                                       << "Nothing to review today: well done";
    QTest::newRow("due, no results") << "Review - due today" << false << QStringList{}
                                     << "Nothing to review today: well done";
  }
  void reviewBuildsFromResultsAndHistory() {
    QFETCH(QString, entry);
    QFETCH(bool, withResults);
    QFETCH(QStringList, forms);
    QFETCH(QString, title);
    if (withResults) {
      QVERIFY(WindowSession::WriteFile("Results.txt",
                                       "tiene,tener,4,1,1,10,4\r\n"
                                       "tenemos,tener,7,1,0,10,4\r\n"
                                       "tenemos,tener,7,1,0,10,4\r\n"
                                       "tengo,tener,1,1,1,10,4\r\n"
                                       "tengo,tener,1,1,1,7,9\r\n"
                                       "tienes,tener,2,1,1,10,3\r\n"));
      QVERIFY(WindowSession::WriteFile(
          "History.txt", HistoryLine(3, 2, 2) + HistoryLine(2, 3, 4) + HistoryLine(1, 5, 5) + HistoryLine(0, 6, 6)));
    }
    Open();
    Choose(entry);
    QStringList asked;
    for (const TVerb* item : w_->Session().Loop().Rows()) asked << ToQString(std::string(item->Form()));
    QCOMPARE(asked, forms);
    QCOMPARE(Child<QListWidget>(w_, "lbVerbs")->count(), forms.size());
    if (!title.isEmpty()) QCOMPARE(Child<QLabel>(w_, "lbVerbTitle")->text(), title);
    QVERIFY(session_->platform.messages.empty());
  }

  // "Practise this verb" on the By Verb view asks only the selected verb: the forms
  // it missed, or all its forms when it missed none.
  void practiseThisVerbAsksOnlyThatVerb_data() {
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QStringList>("forms");  // empty: every form of the verb
    QTest::newRow("missed forms") << "tener" << QStringList{"tengo", "tiene"};
    QTest::newRow("nothing missed") << "ser" << QStringList{};
  }
  void practiseThisVerbAsksOnlyThatVerb() {
    QFETCH(QString, verb);
    QFETCH(QStringList, forms);
    QVERIFY(WindowSession::WriteFile("Results.txt",
                                     "tengo,tener,1,1,1,7,4\r\n"
                                     "tienes,tener,2,1,1,10,3\r\n"
                                     "tiene,tener,4,1,1,-5,3\r\n"
                                     "soy,ser,1,1,1,10,3\r\n"));
    Open();
    InListOrder();
    w_->ShowStatistics();
    auto* byVerb = Child<QWidget>(w_, "tsStats")->findChild<QRadioButton*>("rbVerb");
    QVERIFY(byVerb);
    byVerb->click();
    auto* grid = Child<QWidget>(w_, "tsStats")->findChild<QTableWidget*>("sgVerb");
    QVERIFY(grid && grid->isVisible());
    QCOMPARE(grid->verticalHeaderItem(0)->text(), QString("tener"));  // the weakest first
    for (int row = 0; row < grid->rowCount(); ++row)
      if (grid->verticalHeaderItem(row)->text() == verb) grid->selectRow(row);
    Click(Child<QWidget>(w_, "tsStats")->findChild<QPushButton*>("bnPractiseVerb"));

    QCOMPARE(Child<TPageControl>(w_, "tsParlavo")->currentWidget(), Child<QWidget>(w_, "tsVerb"));
    QStringList asked;
    for (const TVerb* item : w_->Session().Loop().Rows()) {
      QCOMPARE(ToQString(std::string(item->Infinitive())), verb);
      asked << ToQString(std::string(item->Form()));
    }
    if (!forms.isEmpty())
      QCOMPARE(asked, forms);
    else
      QVERIFY(asked.size() > 10);  // every form of the verb, within the limit
    QCOMPARE(Child<QListWidget>(w_, "lbVerbs")->count(), asked.size());
  }

  // Results without "History.txt" have no days: the Progress view says how it fills.
  void progressWithoutHistoryShowsTheSentence() {
    QVERIFY(WindowSession::WriteFile("Results.txt", "tengo,tener,1,1,1,7,4\r\n"));
    Open();
    w_->ShowStatistics();
    Child<QWidget>(w_, "tsStats")->findChild<QRadioButton*>("rbProgress")->click();
    auto* sentence = Child<QWidget>(w_, "tsStats")->findChild<QLabel*>("lbNoProgress");
    QVERIFY(sentence);
    QVERIFY(sentence->isVisible());
    QVERIFY(sentence->text().startsWith("No dated answers yet."));
  }

  // Today's answers and the streak, from the history and every answer recorded.
  void todayLineCountsTodaysAnswers() {
    QVERIFY(WindowSession::WriteFile("Results.txt", "tengo,tener,1,1,1,10,4\r\ntienes,tener,2,1,1,7,4\r\n"));
    QVERIFY(WindowSession::WriteFile("History.txt", HistoryLine(1, 1, 1) + HistoryLine(0, 2, 2)));
    Open();
    auto* today = w_->findChild<TodayLine*>("lbToday");
    QVERIFY(today);
    QCOMPARE(today->text(), QString("Today: 1 answer, average 7.0\n2-day streak"));
    StartThreeQuestions();
    Answer(false);
    QCOMPARE(today->text(), QString("Today: 2 answers, average 8.5\n2-day streak"));
  }
};

QTEST_MAIN(PracticeWindowTest)
#include "practice_window_test.moc"

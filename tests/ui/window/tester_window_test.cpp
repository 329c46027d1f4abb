// The verb tester driven as a user drives it: keys typed into reVerb, the help and
// accent buttons, moving through the list, the pause, the results file written at
// shutdown and its failures, and the way in to the statistics.
#include <QApplication>
#include <QRegularExpression>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include "file_man.h"
#include "clickable_label.h"
#include "find_child.h"
#include "fonts.h"
#include "main_window.h"
#include "num_edit.h"
#include "page_control.h"
#include "question_loop.h"
#include "text_codec.h"
#include "window_session.h"

using namespace parlavo;
using parlavo::testing::Child;
using parlavo::testing::FakePlatform;
using parlavo::testing::Type;
using parlavo::testing::WindowSession;

namespace {

constexpr double kSecond = FakePlatform::kSecond;
constexpr int kPresentRow = 0, kImperfectRow = 2;  // positions in cbTenses

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

// One letter per character of the box: k black, t teal, r red, g green, ? other.
QString Colours(const QTextEdit* box) {
  QString letters;
  QTextCursor cursor(box->document());
  for (int i = 1; i <= box->toPlainText().size(); ++i) {
    cursor.setPosition(i);
    const QColor colour = cursor.charFormat().foreground().color();
    // clang-format off
    if (colour == QColor(0, 0, 0)) letters += 'k';
    else if (colour == QColor(0, 128, 128)) letters += 't';
    else if (colour == QColor(255, 0, 0)) letters += 'r';
    else if (colour == QColor(0, 128, 0)) letters += 'g';
    else letters += '?';
    // clang-format on
  }
  return letters;
}

QList<QByteArray> ResultFileLines() {
  QList<QByteArray> lines = WindowSession::ReadFile("Results.txt").split('\n');
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();
  return lines;
}

// Replaces a file by a folder of the same name, which no read or write gets through,
// also for root.
bool BlockFile(const QString& name) {
  QFile::remove(name);
  return QDir().mkpath(name + "/blocked");
}
void UnblockFile(const QString& name) { QDir(name).removeRecursively(); }

}  // namespace

class TesterWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowSession> session_;
  TfrmVerbTester* w_ = nullptr;
  FakePlatform* platform_ = nullptr;

  void Open() {
    w_ = &session_->Open();
    platform_ = &session_->platform;
  }

  // A single-verb test of tener in one tense, with the question on the row asking
  // `form` of person `person`, started by a move (score 10, unless the empty box
  // already lowers it). The clock reads noon when the question starts.
  bool AskTener(int tense, const QString& form, int person = 1) {
    Child<QTabWidget>(w_, "pcDisplay")->setCurrentIndex(1);
    Child<QComboBox>(w_, "cbTenses")->setCurrentIndex(tense);
    Click(Child<QPushButton>(w_, "bnSingleTener"));
    const TestList& rows = w_->Session().Loop().Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (ToQString(rows[i]->Form()) != form || rows[i]->Person != person) continue;
      platform_->now = 0.5;
      Child<QTabWidget>(w_, "pcDisplay")->setCurrentIndex(0);
      Click(Child<QPushButton>(w_, "Button2"));                               // a fresh question with the score 10...
      Child<QListWidget>(w_, "lbVerbs")->setCurrentRow(static_cast<int>(i));  // ...then the row wanted
      Child<QTextEdit>(w_, "reVerb")->setFocus();
      return ToQString(w_->Session().Loop().ExpectedForm()) == form;
    }
    return false;
  }

  void EndPause() {
    if (Child<QTimer>(w_, "tm500")->isActive()) QTRY_VERIFY(!Child<QTimer>(w_, "tm500")->isActive());
  }

 private slots:
  // As the program does before its first window.
  void initTestCase() { InstallFontSubstitutes(); }
  void init() {
    session_ = std::make_unique<WindowSession>();
    QVERIFY(session_->Valid());
    QVERIFY(session_->WriteVerbs());
  }
  void cleanup() {
    session_.reset();
    w_ = nullptr;
  }

  // Each answer typed ten seconds after its question started; the line that reaches
  // "Results.txt" at shutdown.
  void typedAnswersAreColouredScoredAndRecorded_data() {
    QTest::addColumn<int>("tense");
    QTest::addColumn<QString>("form");
    QTest::addColumn<bool>("wholeWord");
    // clang-format off
    QTest::addColumn<QString>("firstTyping");    // typed first
    QTest::addColumn<QString>("firstColours");   // the box's colours after it
    QTest::addColumn<int>("scoreAfterFirst");
    QTest::addColumn<int>("deleteBack");         // Backspaces before the rest
    QTest::addColumn<QString>("rest");           // typed to complete the answer
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("right at every step") << kPresentRow << "tengo" << false << "ten" << "kkk" << 10 << 0 << "go"
                                         << QByteArray("tengo,tener,1,1,1,10,10");
    QTest::newRow("accent left out") << kImperfectRow << QString::fromUtf8("tenía") << false << "tenia" << "kkktk" << 9
                                     << 2 << QString::fromUtf8("ía") << QByteArray("ten" "\xED" "a,tener,1,3,0,9,10");
    QTest::newRow("capital letter") << kPresentRow << "tengo" << false << "Tengo" << "rkkkk" << 7 << 5 << "tengo"
                                    << QByteArray("tengo,tener,1,1,1,7,10");
    QTest::newRow("whole word caps at 7") << kPresentRow << "tengo" << true << "ten" << "rrr" << 7 << 0 << "go"
                                          << QByteArray("tengo,tener,1,1,1,7,10");
    // clang-format on
  }
  void typedAnswersAreColouredScoredAndRecorded() {
    QFETCH(int, tense);
    QFETCH(QString, form);
    QFETCH(bool, wholeWord);
    QFETCH(QString, firstTyping);
    QFETCH(QString, firstColours);
    QFETCH(int, scoreAfterFirst);
    QFETCH(int, deleteBack);
    QFETCH(QString, rest);
    QFETCH(QByteArray, line);
    Open();
    if (wholeWord) Click(Child<QRadioButton>(w_, "rbWholeWord"));
    QVERIFY(AskTener(tense, form));

    Type(Child<QTextEdit>(w_, "reVerb"), firstTyping);
    QCOMPARE(Child<QTextEdit>(w_, "reVerb")->toPlainText(), firstTyping);
    QCOMPARE(Colours(Child<QTextEdit>(w_, "reVerb")), firstColours);
    QCOMPARE(int(w_->Session().Loop().Score()), scoreAfterFirst);
    QVERIFY(!w_->Session().Loop().Answered());

    for (int i = 0; i < deleteBack; ++i) QTest::keyClick(Child<QTextEdit>(w_, "reVerb"), Qt::Key_Backspace);
    platform_->now += 10 * kSecond;
    Type(Child<QTextEdit>(w_, "reVerb"), rest);
    QVERIFY(w_->Session().Loop().Answered());
    QCOMPARE(Colours(Child<QTextEdit>(w_, "reVerb")), QString(form.size(), 'g'));
    EndPause();
    QVERIFY(Child<QTextEdit>(w_, "reVerb")->toPlainText().isEmpty());

    session_->Close();
    QCOMPARE(ResultFileLines(), QList<QByteArray>{line + "\r"});
    // The run's line of "History.txt": line 1 to 1 of the results, one answer, its score.
    const QList<QByteArray> history = WindowSession::ReadFile("History.txt").split('\n');
    QCOMPARE(history.size(), 2);
    QVERIFY2(history[0].endsWith(",1,1,1," + line.split(',')[5] + ".00\r"), history[0].constData());
  }

  void helpButtonsSetTheRecordedScore_data() {
    QTest::addColumn<QString>("clicks");  // N Next Letter, A Answer
    QTest::addColumn<QString>("typed");   // after the clicks, to complete "tengo"
    QTest::addColumn<QByteArray>("line");
    // clang-format off
    QTest::newRow("next letter") << "N" << "engo" << QByteArray("tengo,tener,1,1,1,-5,0");
    QTest::newRow("answer") << "A" << "tengo" << QByteArray("tengo,tener,1,1,1,-10,0");
    QTest::newRow("answer, then next letter") << "AN" << "engo" << QByteArray("tengo,tener,1,1,1,-5,0");
    // clang-format on
  }
  void helpButtonsSetTheRecordedScore() {
    QFETCH(QString, clicks);
    QFETCH(QString, typed);
    QFETCH(QByteArray, line);
    Open();
    QVERIFY(AskTener(kPresentRow, "tengo"));
    for (QChar click : clicks) {
      if (click == 'A') {
        Click(Child<QPushButton>(w_, "Button17"));
        QVERIFY(Child<QLabel>(w_, "lbAnswer")->isVisibleTo(w_));
        QCOMPARE(Child<QLabel>(w_, "lbAnswer")->text(), QString("tengo"));
      } else {
        Click(Child<QPushButton>(w_, "Button16"));
        QCOMPARE(Child<QTextEdit>(w_, "reVerb")->toPlainText(), QString("t"));  // the first letter in place
        QCOMPARE(Child<QTextEdit>(w_, "reVerb")->textCursor().position(), 1);
      }
    }
    Child<QTextEdit>(w_, "reVerb")->setFocus();
    QTest::keyClick(Child<QTextEdit>(w_, "reVerb"), Qt::Key_End);
    Type(Child<QTextEdit>(w_, "reVerb"), typed);
    EndPause();
    QCOMPARE(w_->Session().Results()->ResultLines.size(), std::size_t(1));
    QCOMPARE(QByteArray::fromStdString(w_->Session().Results()->ResultLines[0]), line);
  }

  void accentButtonInsertsAtTheCaret() {
    Open();
    QVERIFY(AskTener(kImperfectRow, QString::fromUtf8("tenía")));
    Type(Child<QTextEdit>(w_, "reVerb"), "tena");
    QTest::keyClick(Child<QTextEdit>(w_, "reVerb"), Qt::Key_Left);
    QCOMPARE(Child<QTextEdit>(w_, "reVerb")->textCursor().position(), 3);
    Click(Child<QPushButton>(w_, "Button10"));  // í
    QVERIFY(w_->Session().Loop().Answered());
    // clang-format off
    QCOMPARE(w_->Session().Loop().LastText(), std::string("ten" "\xED" "a"));
    // clang-format on
    QVERIFY(Child<QTextEdit>(w_, "reVerb")->hasFocus());
  }

  // "ü" stands beside the six accent buttons, like them; a mark typed after its
  // letter makes the accented letter, at full score.
  void theUmlautKeyAndTypedAccents() {
    Open();
    QPushButton* umlaut = w_->findChild<QPushButton*>("bnUDiaeresis");
    QVERIFY(umlaut);
    QCOMPARE(umlaut->text(), QString::fromUtf8("ü"));
    QCOMPARE(umlaut->size(), Child<QPushButton>(w_, "Button13")->size());
    QCOMPARE(umlaut->y(), Child<QPushButton>(w_, "Button13")->y());
    QCOMPARE(umlaut->x(), Child<QPushButton>(w_, "Button13")->x() +
                              (Child<QPushButton>(w_, "Button13")->x() - Child<QPushButton>(w_, "Button12")->x()));
    QCOMPARE(umlaut->focusPolicy(), Qt::NoFocus);
    QVERIFY(!umlaut->geometry().intersects(Child<QPushButton>(w_, "Button16")->geometry()));
    QVERIFY(AskTener(kImperfectRow, QString::fromUtf8("tenía")));
    Type(Child<QTextEdit>(w_, "reVerb"), "ven");
    Click(umlaut);
    QCOMPARE(Child<QTextEdit>(w_, "reVerb")->toPlainText(), QString::fromUtf8("venü"));
    QVERIFY(Child<QTextEdit>(w_, "reVerb")->hasFocus());
    QVERIFY(AskTener(kImperfectRow, QString::fromUtf8("tenía")));
    Type(Child<QTextEdit>(w_, "reVerb"), "teni'");
    QCOMPARE(Child<QTextEdit>(w_, "reVerb")->toPlainText(), QString::fromUtf8("tení"));
    QCOMPARE(Child<QTextEdit>(w_, "reVerb")->textCursor().position(), 4);
    QCOMPARE(Colours(Child<QTextEdit>(w_, "reVerb")), QString("kkkk"));
    Type(Child<QTextEdit>(w_, "reVerb"), "a");
    EndPause();
    QCOMPARE(w_->Session().Results()->ResultLines.size(), std::size_t(1));
    // clang-format off
    QCOMPARE(QByteArray::fromStdString(w_->Session().Results()->ResultLines[0]), QByteArray("ten\xED" "a,tener,1,3,0,10,0"));
    // clang-format on
  }

  void withoutMoveOnNothingIsRecorded() {
    Open();
    Click(Child<QCheckBox>(w_, "cbMoveOn"));
    QVERIFY(!w_->Session().Options().move);
    QVERIFY(AskTener(kPresentRow, "tengo"));
    const int row = Child<QListWidget>(w_, "lbVerbs")->currentRow();
    Type(Child<QTextEdit>(w_, "reVerb"), "tengo");
    QVERIFY(w_->Session().Loop().Answered());
    EndPause();
    QCOMPARE(Colours(Child<QTextEdit>(w_, "reVerb")), QString("ggggg"));
    QCOMPARE(Child<QListWidget>(w_, "lbVerbs")->currentRow(), row);
    QVERIFY(w_->Session().Results()->ResultLines.empty());
    session_->Close();
    QVERIFY(ResultFileLines().isEmpty());
  }

  void theGreenAnswerStaysForThePause() {
    Open();
    QCOMPARE(Child<TNewRealEdit>(w_, "reTimeDelay")->text(), QString("0.5"));
    QVERIFY(AskTener(kPresentRow, "tengo"));
    const int row = Child<QListWidget>(w_, "lbVerbs")->currentRow();
    Type(Child<QTextEdit>(w_, "reVerb"), "tengo");
    QVERIFY(Child<QTimer>(w_, "tm500")->isActive());
    QVERIFY(Child<QTimer>(w_, "tm500")->isSingleShot());
    QCOMPARE(Child<QTimer>(w_, "tm500")->interval(), 500);
    // The pause is held while events run, so the check within it does not depend
    // on how fast the machine gets here; then the pause is ended at once.
    Child<QTimer>(w_, "tm500")->stop();
    QCoreApplication::processEvents();
    QCOMPARE(Colours(Child<QTextEdit>(w_, "reVerb")),
             QString("ggggg"));  // within the pause: still green, not yet recorded
    QCOMPARE(Child<QListWidget>(w_, "lbVerbs")->currentRow(), row);
    QVERIFY(w_->Session().Results()->ResultLines.empty());
    Child<QTimer>(w_, "tm500")->start(0);
    QTRY_COMPARE(w_->Session().Results()->ResultLines.size(), std::size_t(1));
    QCOMPARE(Child<QListWidget>(w_, "lbVerbs")->currentRow(), (row + 1) % Child<QListWidget>(w_, "lbVerbs")->count());
    QVERIFY(Child<QTextEdit>(w_, "reVerb")->toPlainText().isEmpty());
  }

  // A pause time that rounds to nothing cannot be a timer: there is no pause.
  void aPauseTimeOfNothingMeansNoPause_data() {
    QTest::addColumn<QString>("seconds");
    QTest::newRow("zero") << "0";
    QTest::newRow("below a millisecond") << "0.0004";
    QTest::newRow("negative") << "-1";
  }
  void aPauseTimeOfNothingMeansNoPause() {
    QFETCH(QString, seconds);
    Open();
    Child<TNewRealEdit>(w_, "reTimeDelay")->setText(seconds);
    Click(Child<QCheckBox>(w_, "cbBeep"));  // any option click copies the pause field
    QVERIFY(AskTener(kPresentRow, "tengo"));
    Type(Child<QTextEdit>(w_, "reVerb"), "tengo");
    QVERIFY(!Child<QTimer>(w_, "tm500")->isActive());
    QCOMPARE(w_->Session().Results()->ResultLines.size(), std::size_t(1));
  }

  void nextAndPreviousWrapAround() {
    Open();
    Click(Child<QPushButton>(w_, "bnSingleTener"));
    const int rows = Child<QListWidget>(w_, "lbVerbs")->count();
    QVERIFY(rows > 2);
    Child<QListWidget>(w_, "lbVerbs")->setCurrentRow(0);
    Click(Child<QPushButton>(w_, "Button3"));
    QCOMPARE(Child<QListWidget>(w_, "lbVerbs")->currentRow(), rows - 1);
    QCOMPARE(w_->Session().Loop().ExpectedForm(), w_->Session().Loop().Rows().back()->Form());
    Click(Child<QPushButton>(w_, "Button2"));
    QCOMPARE(Child<QListWidget>(w_, "lbVerbs")->currentRow(), 0);
    QCOMPARE(w_->Session().Loop().ExpectedForm(), w_->Session().Loop().Rows().front()->Form());
  }

  // After a click elsewhere on the tester the next key goes to the answer, not to the
  // clicked control (a row's type-ahead search would jump to another question).
  void clicksHandTheKeyboardBackToTheAnswerBox_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("Answer") << "Button17";
    QTest::newRow("Next->") << "Button2";
    QTest::newRow("<- Previous") << "Button3";
    QTest::newRow("a row") << "lbVerbs";
  }
  void clicksHandTheKeyboardBackToTheAnswerBox() {
    QFETCH(QString, control);
    Open();
    QApplication::setActiveWindow(w_);
    QVERIFY(QTest::qWaitForWindowActive(w_));
    Click(Child<QPushButton>(w_, "bnSingleTener"));
    QVERIFY(Child<QListWidget>(w_, "lbVerbs")->count() > 3);
    if (control == "lbVerbs") {
      const QRect row = Child<QListWidget>(w_, "lbVerbs")->visualItemRect(Child<QListWidget>(w_, "lbVerbs")->item(2));
      QTest::mouseClick(Child<QListWidget>(w_, "lbVerbs")->viewport(), Qt::LeftButton, {}, row.center());
      QCOMPARE(Child<QListWidget>(w_, "lbVerbs")->currentRow(), 2);
    } else {
      auto* button = w_->findChild<QPushButton*>(control);
      QVERIFY(button);
      button->setFocus();
      Click(button);
    }
    QVERIFY(Child<QTextEdit>(w_, "reVerb")->hasFocus());
    const int row = Child<QListWidget>(w_, "lbVerbs")->currentRow();
    QTest::keyClick(QApplication::focusWidget(), 't');
    QCOMPARE(Child<QTextEdit>(w_, "reVerb")->toPlainText(), QString("t"));
    QCOMPARE(Child<QListWidget>(w_, "lbVerbs")->currentRow(), row);
  }

  void closingTheWindowSaysSoSoTheProgramEnds() {
    Open();
    QSignalSpy closed(w_, &TfrmVerbTester::Closed);
    w_->close();
    QCOMPARE(closed.count(), 1);
  }

  // "Randomise" asks the new first row, the row it selects.
  void randomiseAsksTheRowItSelects() {
    Open();
    QVERIFY(AskTener(kPresentRow, "tengo"));
    Type(Child<QTextEdit>(w_, "reVerb"), "ten");
    Click(Child<QPushButton>(w_, "Button4"));
    QCOMPARE(Child<QListWidget>(w_, "lbVerbs")->currentRow(), 0);
    QCOMPARE(w_->Session().Loop().ExpectedForm(), std::string(w_->Session().Loop().Rows().front()->Form()));
    QVERIFY(Child<QTextEdit>(w_, "reVerb")->toPlainText().isEmpty());
  }

  // Help taken on one question never costs the next: after "Answer" or "Next
  // Letter", a perfect answer to the question reached next records 10.
  void helpOnOneQuestionNeverCostsTheNext_data() {
    QTest::addColumn<QString>("help");
    QTest::addColumn<QString>("way");
    for (const char* help : {"Answer", "Next Letter"})
      for (const char* way : {"GO", "single verb", "another row", "the selected row", "Randomise", "Next->"})
        QTest::addRow("%s, then %s", help, way) << help << way;
  }
  void helpOnOneQuestionNeverCostsTheNext() {
    QFETCH(QString, help);
    QFETCH(QString, way);
    Open();
    QVERIFY(AskTener(kPresentRow, "tengo"));
    Click(help == "Answer" ? Child<QPushButton>(w_, "Button17") : Child<QPushButton>(w_, "Button16"));
    QVERIFY(w_->Session().Loop().Score() < 0);
    platform_->now += 20 * kSecond;
    if (way == "GO") {
      Child<QComboBox>(w_, "cbSimple")->setCurrentIndex(0);  // the Advanced page as it starts: every item
      Click(Child<QPushButton>(w_, "Button14"));
    } else if (way == "single verb") {
      Click(Child<QPushButton>(w_, "bnSingleSer"));
    } else if (way == "Randomise") {
      Click(Child<QPushButton>(w_, "Button4"));
    } else if (way == "Next->") {
      Click(Child<QPushButton>(w_, "Button2"));
    } else {
      const int row = way == "another row" ? (Child<QListWidget>(w_, "lbVerbs")->currentRow() + 1) %
                                                 Child<QListWidget>(w_, "lbVerbs")->count()
                                           : Child<QListWidget>(w_, "lbVerbs")->currentRow();
      Child<QListWidget>(w_, "lbVerbs")->scrollToItem(Child<QListWidget>(w_, "lbVerbs")->item(row));
      QTest::mouseClick(
          Child<QListWidget>(w_, "lbVerbs")->viewport(), Qt::LeftButton, {},
          Child<QListWidget>(w_, "lbVerbs")->visualItemRect(Child<QListWidget>(w_, "lbVerbs")->item(row)).center());
      QCOMPARE(Child<QListWidget>(w_, "lbVerbs")->currentRow(), row);
    }
    QVERIFY(Child<QListWidget>(w_, "lbVerbs")->count() > 0);
    QCOMPARE(int(w_->Session().Loop().Score()), 10);
    QVERIFY(Child<QTextEdit>(w_, "reVerb")->toPlainText().isEmpty());
    QVERIFY(!Child<QLabel>(w_, "lbAnswer")->isVisibleTo(w_));
    const std::string form = w_->Session().Loop().ExpectedForm();
    platform_->now += 2 * kSecond;
    Child<QTextEdit>(w_, "reVerb")->setFocus();
    Type(Child<QTextEdit>(w_, "reVerb"), ToQString(form));
    EndPause();
    QCOMPARE(w_->Session().Results()->ResultLines.size(), std::size_t(1));
    QVERIFY2(QByteArray::fromStdString(w_->Session().Results()->ResultLines[0]).endsWith(",10,2"),
             w_->Session().Results()->ResultLines[0].c_str());
  }

  // With automatic moving off, a click on the row already selected asks its
  // question again: empty box, full score, the clock from zero.
  void aClickOnTheSelectedRowRestartsItsQuestion() {
    Open();
    QApplication::setActiveWindow(w_);
    QVERIFY(QTest::qWaitForWindowActive(w_));
    Click(Child<QCheckBox>(w_, "cbMoveOn"));
    QVERIFY(AskTener(kPresentRow, "tengo"));
    const int row = Child<QListWidget>(w_, "lbVerbs")->currentRow();
    Click(Child<QPushButton>(w_, "Button16"));  // Next Letter: -5
    QTest::keyClick(Child<QTextEdit>(w_, "reVerb"), Qt::Key_End);
    Type(Child<QTextEdit>(w_, "reVerb"), "engo");
    QVERIFY(w_->Session().Loop().Answered());
    EndPause();
    platform_->now += 40 * kSecond;
    w_->activateWindow();  // the progress window of the test just built took it
    QVERIFY(QTest::qWaitForWindowActive(w_));
    Child<QListWidget>(w_, "lbVerbs")->setFocus();
    Child<QListWidget>(w_, "lbVerbs")->scrollToItem(Child<QListWidget>(w_, "lbVerbs")->item(row));
    QTest::mouseClick(
        Child<QListWidget>(w_, "lbVerbs")->viewport(), Qt::LeftButton, {},
        Child<QListWidget>(w_, "lbVerbs")->visualItemRect(Child<QListWidget>(w_, "lbVerbs")->item(row)).center());
    QCOMPARE(Child<QListWidget>(w_, "lbVerbs")->currentRow(), row);
    QVERIFY(!w_->Session().Loop().Answered());
    QVERIFY(Child<QTextEdit>(w_, "reVerb")->toPlainText().isEmpty());
    QCOMPARE(int(w_->Session().Loop().Score()), 10);
    QCOMPARE(w_->Session().Loop().StartTime(), platform_->now);
    QVERIFY(Child<QTextEdit>(w_, "reVerb")->hasFocus());
    Type(Child<QTextEdit>(w_, "reVerb"), "tengo");
    QVERIFY(w_->Session().Loop().Answered());
  }

  void anUnreadableResultsFileIsReportedOnceAndKept() {
    QVERIFY(BlockFile("Results.txt"));
    Open();
    QCOMPARE(platform_->messages.size(), std::size_t(1));
    QCOMPARE(platform_->messages[0].title, QString("Error"));
    QVERIFY2(platform_->messages[0].text.contains("Results.txt"), qPrintable(platform_->messages[0].text));
    // The saver's attempts do not repeat it, and the folder is left alone.
    Child<QTimer>(w_, "tmSaver")->start(1);
    QTest::qWait(30);
    session_->Close();
    QCOMPARE(platform_->messages.size(), std::size_t(1));
    QVERIFY(QFileInfo("Results.txt/blocked").isDir());
  }

  // Every answer is in the file as soon as it is recorded, with no CLOSE: a
  // crash after it loses nothing.
  void eachAnswerIsInTheFileAtOnce() {
    Open();
    QVERIFY(AskTener(kPresentRow, "tengo"));
    Type(Child<QTextEdit>(w_, "reVerb"), "tengo");
    EndPause();
    QCOMPARE(ResultFileLines(), QList<QByteArray>{"tengo,tener,1,1,1,10,0\r"});
    QVERIFY(AskTener(kPresentRow, "tienes", 2));
    Type(Child<QTextEdit>(w_, "reVerb"), "tienes");
    EndPause();
    QCOMPARE(ResultFileLines(), (QList<QByteArray>{"tengo,tener,1,1,1,10,0\r", "tienes,tener,2,1,1,10,0\r"}));
    QVERIFY(platform_->messages.empty());
  }

  void aFailedSaveIsReportedOnceUntilASaveSucceeds() {
    Open();
    QVERIFY(BlockFile("Results.txt"));
    QVERIFY(AskTener(kPresentRow, "tengo"));
    Type(Child<QTextEdit>(w_, "reVerb"), "tengo");
    EndPause();
    QCOMPARE(platform_->messages.size(), std::size_t(1));
    QVERIFY2(platform_->messages[0].text.contains("Results.txt"), qPrintable(platform_->messages[0].text));
    QCOMPARE(Child<QTimer>(w_, "tmSaver")->interval(), TfrmVerbTester::kRetryInterval);  // tried again soon
    Child<QTimer>(w_, "tmSaver")->start(1);
    QTest::qWait(30);
    QCOMPARE(platform_->messages.size(), std::size_t(1));

    UnblockFile("Results.txt");  // the next save gets through, with the line kept in memory
    QTRY_VERIFY(QFileInfo("Results.txt").isFile());
    QCOMPARE(ResultFileLines(), QList<QByteArray>{"tengo,tener,1,1,1,10,0\r"});
    QCOMPARE(Child<QTimer>(w_, "tmSaver")->interval(), TfrmVerbTester::kSaverInterval);

    QVERIFY(BlockFile("Results.txt"));  // failing again is news again
    QVERIFY(AskTener(kPresentRow, "tienes", 2));
    Type(Child<QTextEdit>(w_, "reVerb"), "tienes");
    EndPause();
    QCOMPARE(platform_->messages.size(), std::size_t(2));
    Child<QTimer>(w_, "tmSaver")->stop();
    UnblockFile("Results.txt");
  }

  // Answers that never reach "Results.txt" go at CLOSE to a file of their own beside
  // it, and the learner is told its name.
  void unsavedAnswersGoToAFileOfTheirOwnAtClose() {
    QVERIFY(BlockFile("Results.txt"));
    Open();
    QCOMPARE(platform_->messages.size(), std::size_t(1));  // the unreadable file, at start-up
    QVERIFY(AskTener(kPresentRow, "tengo"));
    Type(Child<QTextEdit>(w_, "reVerb"), "tengo");
    EndPause();
    session_->Close();
    QCOMPARE(platform_->messages.size(), std::size_t(2));
    const QString text = platform_->messages[1].text;
    const QStringList written = QDir().entryList({"Results-unsaved-*.txt"}, QDir::Files);
    QCOMPARE(written.size(), 1);
    QVERIFY2(QRegularExpression("^Results-unsaved-\\d{8}-\\d{6}\\.txt$").match(written[0]).hasMatch(),
             qPrintable(written[0]));
    QVERIFY2(text.contains(written[0]) && text.contains("1 answer"), qPrintable(text));
    QCOMPARE(WindowSession::ReadFile(written[0]), QByteArray("tengo,tener,1,1,1,10,0\r\n"));
    QVERIFY(QFileInfo("Results.txt/blocked").isDir());
    UnblockFile("Results.txt");
  }

  // A logout or a signal ends the same way, but nobody waits on a message box.
  void aQuietEndSavesWithoutMessageBoxes() {
    QVERIFY(BlockFile("Results.txt"));
    Open();
    QVERIFY(AskTener(kPresentRow, "tengo"));
    Type(Child<QTextEdit>(w_, "reVerb"), "tengo");
    EndPause();
    const std::size_t shown = platform_->messages.size();
    w_->EndQuietly();
    QCOMPARE(platform_->messages.size(), shown);
    QCOMPARE(QDir().entryList({"Results-unsaved-*.txt"}, QDir::Files).size(), 1);
    QVERIFY(WindowSession::ReadFile("Parlavo.ini").contains("[Options]"));
    session_->Close();  // the window goes without a second shutdown
    QCOMPARE(platform_->messages.size(), shown);
    UnblockFile("Results.txt");
  }

  void ctrlShiftSShowsFreshStatisticsAndPausesTheClock() {
    Open();
    QVERIFY(AskTener(kPresentRow, "tengo"));
    Type(Child<QTextEdit>(w_, "reVerb"), "tengo");
    EndPause();
    QVERIFY(w_->Session().Loop().StartTime() == w_->Session().Loop().AnswerTime());  // the next question's clock runs
    w_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w_));
    platform_->now += 3 * kSecond;
    QTest::keyClick(Child<QTextEdit>(w_, "reVerb"), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Child<TPageControl>(w_, "tsParlavo")->currentIndex(), int(TfrmVerbTester::kStatsPage));
    QVERIFY(w_->Session().Loop().AnswerTime() > w_->Session().Loop().StartTime());
    QVERIFY(Child<QTextEdit>(w_, "reVerb")->toPlainText().isEmpty());  // no "S" typed into the answer
    // By person: the answer of this run is counted for Yo.
    QVERIFY(Child<QRadioButton>(w_, "rbPerson")->isChecked());
    const QTableWidget* grid = Child<QTableWidget>(w_, "sgPerson");
    QVERIFY(grid->isVisibleTo(w_));
    QStringList yo;
    for (int row = 0; row < grid->rowCount(); ++row)
      if (grid->verticalHeaderItem(row) && grid->verticalHeaderItem(row)->text() == "Yo")
        for (int column = 0; column < 2; ++column) yo << grid->item(row, column)->text();
    QCOMPARE(yo, (QStringList{"1", "10"}));  // one result, score 10
    // The strip leads back as usual.
    Click(Child<ClickableLabel>(w_, "imgvtestP"));
    QCOMPARE(Child<TPageControl>(w_, "tsParlavo")->currentIndex(), int(TfrmVerbTester::kVerbPage));
  }

  // A damaged results file: the bad line is named once per visit of the page, and
  // every grid counts the good lines.
  void aBadResultLineIsReportedOncePerVisit() {
    QFile file("Results.txt");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("tengo,tener,1,1,1,10,3\r\nabc,def,x,1,0,10,3\r\ntengo,tener,1,1,1,8,5\r\n");
    file.close();
    Open();
    w_->ShowStatistics();  // the page makes its grids when first shown
    QVERIFY(Child<QTableWidget>(w_, "sgPerson")->isVisibleTo(Child<QWidget>(w_, "tsStats")));
    QVERIFY(!Child<QTableWidget>(w_, "sgTense")->isVisibleTo(Child<QWidget>(w_, "tsStats")));
    QVERIFY(!Child<QTableWidget>(w_, "sgDouble")->isVisibleTo(Child<QWidget>(w_, "tsStats")));
    QCOMPARE(platform_->messages.size(), std::size_t(1));
    QCOMPARE(platform_->messages[0].text, QString("Line 2 of \"Results.txt\": 'x' is not a valid integer value\n"
                                                  "The statistics leave this line out."));
    QCOMPARE(Child<QTableWidget>(w_, "sgPerson")->item(0, 0)->text(), QString("2"));  // Yo: the two good lines
    QCOMPARE(Child<QTableWidget>(w_, "sgPerson")->item(0, 1)->text(), QString("9"));
    for (QRadioButton* kind : {Child<QRadioButton>(w_, "rbTense"), Child<QRadioButton>(w_, "rbBothWR"),
                               Child<QRadioButton>(w_, "rbPerson")}) {
      Click(kind);
      QCOMPARE(platform_->messages.size(), std::size_t(1));
    }
    QVERIFY(Child<QTableWidget>(w_, "sgPerson")->isVisibleTo(Child<QWidget>(w_, "tsStats")));
    Click(Child<QRadioButton>(w_, "rbTense"));
    QVERIFY(Child<QTableWidget>(w_, "sgTense")->isVisibleTo(Child<QWidget>(w_, "tsStats")));
    QCOMPARE(Child<QTableWidget>(w_, "sgTense")->item(0, 0)->text(), QString("2"));  // Present
    // Another visit names it again.
    Click(Child<ClickableLabel>(w_, "imgOpt"));
    w_->ShowStatistics();
    QCOMPARE(platform_->messages.size(), std::size_t(2));
  }

  // What files hold reaches the learner as the very text: a results line that is
  // HTML in the statistics message, markup in a verb's name or translation in the
  // question labels. No label of the window reads its text as markup.
  void fileContentIsShownAsPlainText() {
    const QString html = "<h1 style=color:red>big</h1><img src=/some/local/file.png>";
    QVERIFY(WindowSession::WriteFile("Results.txt", ("x,y," + html + ",1,0,10,3\r\n").toUtf8()));
    QVERIFY(session_->WriteVerbs("@<i>tener</i>;<b>to have</b> &amp; more\r\n\r\n"));
    Open();
    for (const QLabel* label : w_->findChildren<QLabel*>())
      QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));

    Child<QRadioButton>(w_, "rbAllTenses")->setChecked(true);
    Child<QRadioButton>(w_, "rbAllPeople")->setChecked(true);
    for (int i = 0; i < Child<QListWidget>(w_, "cbVerbType")->count(); ++i)
      Child<QListWidget>(w_, "cbVerbType")->item(i)->setCheckState(Qt::Checked);
    Child<QPushButton>(w_, "bnUpdateVerbs")->click();
    QVERIFY(Child<QListWidget>(w_, "lbVerbs")->count() > 0);
    QCOMPARE(Child<QLabel>(w_, "lbVerb")->text(), QString("<i>tener</i>"));
    QVERIFY2(Child<QLabel>(w_, "lbTrans")->text().contains("<b>to have</b> &amp; more"),
             qPrintable(Child<QLabel>(w_, "lbTrans")->text()));

    w_->ShowStatistics();
    QVERIFY(!platform_->messages.empty());
    QVERIFY2(platform_->messages[0].text.contains(html), qPrintable(platform_->messages[0].text));
  }

  void statisticsButtonOnTheTesterDoesTheSame() {
    Open();
    QVERIFY(Child<QPushButton>(w_, "bnStatistics")->isVisibleTo(w_));
    QCOMPARE(Child<QPushButton>(w_, "bnStatistics")->text(), QString("Statistics"));
    platform_->now += 3 * kSecond;
    Click(Child<QPushButton>(w_, "bnStatistics"));
    QCOMPARE(Child<TPageControl>(w_, "tsParlavo")->currentIndex(), int(TfrmVerbTester::kStatsPage));
    QVERIFY(w_->Session().Loop().AnswerTime() > w_->Session().Loop().StartTime());
    Click(Child<ClickableLabel>(w_, "imgOpt"));
    QCOMPARE(Child<TPageControl>(w_, "tsParlavo")->currentIndex(), int(TfrmVerbTester::kOptionsPage));
  }
};

QTEST_MAIN(TesterWindowTest)
#include "tester_window_test.moc"

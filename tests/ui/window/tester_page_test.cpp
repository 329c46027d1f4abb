// The tester page on its own: what the learner does comes out as signals, and what
// the page is told to show never comes back as the learner's input.
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include "find_child.h"
#include "fonts.h"
#include "question_loop.h"
#include "tester_page.h"

using namespace parlavo;
using parlavo::testing::Child;

class TesterPageTest : public QObject {
  Q_OBJECT
  std::unique_ptr<TesterPage> page_;

 private slots:
  void initTestCase() { InstallFontSubstitutes(); }
  void init() {
    page_ = std::make_unique<TesterPage>();
    page_->show();
    QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
  }
  void cleanup() { page_.reset(); }

  void whatThePageShowsIsNoInput() {
    QSignalSpy edited(page_.get(), &TesterPage::answerEdited);
    QSignalSpy rows(page_.get(), &TesterPage::rowClicked);
    page_->ShowRows({"tener : Present , Yo", "comer : Present , T\xFA"});
    QuestionView view;
    view.boxText = "ten";
    view.caret = 3;
    view.currentRow = 1;
    page_->Show(view);
    QCOMPARE(Child<QTextEdit>(page_.get(), "reVerb")->toPlainText(), QString("ten"));
    QCOMPARE(Child<QListWidget>(page_.get(), "lbVerbs")->currentRow(), 1);
    QCOMPARE(edited.count(), 0);
    QCOMPARE(rows.count(), 0);
    QCOMPARE(page_->RowCount(), 2);
  }

  void typingIsOneLineWithItsCaret() {
    QSignalSpy edited(page_.get(), &TesterPage::answerEdited);
    auto* box = Child<QTextEdit>(page_.get(), "reVerb");
    box->setFocus();
    QTest::keyClicks(box, "ab");
    QTest::keyClick(box, Qt::Key_Return);  // no input: the answer is one line
    QCOMPARE(box->toPlainText(), QString("ab"));
    QVERIFY(!edited.isEmpty());
    QCOMPARE(edited.last().at(0).value<std::string>(), std::string("ab"));
    QCOMPARE(edited.last().at(1).toInt(), 2);
    box->insertPlainText("\ncd");  // a pasted line break never becomes part of the answer
    QCOMPARE(edited.last().at(0).value<std::string>(), std::string("abcd"));
    QCOMPARE(edited.last().at(1).toInt(), 4);
  }

  void aClickOnTheSelectedRowAsksItAgain() {
    page_->ShowRows({"tener : Present , Yo", "comer : Present , Yo"});
    QSignalSpy rows(page_.get(), &TesterPage::rowClicked);
    auto* list = Child<QListWidget>(page_.get(), "lbVerbs");
    const QPoint first = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
    QCOMPARE(rows.count(), 1);
    QCOMPARE(rows.last().at(0).toInt(), 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QCOMPARE(rows.last().at(0).toInt(), 1);
  }

  void anAccentReplacesTheSelection() {
    QSignalSpy accents(page_.get(), &TesterPage::accentClicked);
    auto* box = Child<QTextEdit>(page_.get(), "reVerb");
    box->setPlainText("tenia");
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(3);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    QTest::mouseClick(Child<QPushButton>(page_.get(), "Button10"), Qt::LeftButton);  // "í"
    QCOMPARE(accents.count(), 1);
    QCOMPARE(accents.last().at(0).value<std::string>(), std::string("\xED"));
    QCOMPARE(accents.last().at(1).toInt(), 3);
    QCOMPARE(accents.last().at(2).toInt(), 1);
  }

  void typedTestNamesAreNoEntry() {
    page_->ShowTests({"mine"}, {"Present - Regular - ar verbs"}, {"Review - due today"});
    QCOMPARE(page_->TestCount(), 4);
    QCOMPARE(page_->ChosenEntry(), -1);  // nothing chosen after a refill
    page_->ChooseTest(1);
    QCOMPARE(page_->ChosenEntry(), 1);
    QCOMPARE(page_->ChosenTestText(), std::string("mine"));
    Child<QComboBox>(page_.get(), "cbSimple")->setEditText("min");
    QCOMPARE(page_->ChosenEntry(), -1);
    QCOMPARE(page_->ChosenTest(), 1);  // the entry chosen last, kept with the options
  }
};

QTEST_MAIN(TesterPageTest)
#include "tester_page_test.moc"

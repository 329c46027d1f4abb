// The settings file through the window: saved filters on the Advanced page, what a
// restart brings back, the [Options] text written at shutdown, unreadable values and
// a settings file that cannot be written.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "clickable_label.h"
#include "find_child.h"
#include "fonts.h"
#include "main_window.h"
#include "num_edit.h"
#include "window_session.h"

using namespace parlavo;
using parlavo::testing::Child;
using parlavo::testing::WindowSession;

namespace {

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

// The ticks of a check list, one letter an item: x ticked, . not.
QString Ticks(const QListWidget* list) {
  QString ticks;
  for (int i = 0; i < list->count(); ++i) ticks += list->item(i)->checkState() == Qt::Checked ? 'x' : '.';
  return ticks;
}

void SetTicks(QListWidget* list, const QString& ticks) {
  for (int i = 0; i < list->count() && i < ticks.size(); ++i)
    list->item(i)->setCheckState(ticks[i] == 'x' ? Qt::Checked : Qt::Unchecked);
}

// What the Advanced page shows, in one comparable text.
QString ShownAdvancedPage(const TfrmVerbTester& w) {
  auto radio = [](const QRadioButton* a, const QRadioButton* c, const QRadioButton* s) {
    return a->isChecked() ? "all" : c->isChecked() ? "common" : s->isChecked() ? "specific" : "none";
  };
  return QString("%1 %2 %3 | %4 %5 %6 | %7 | %8")
      .arg(radio(Child<QRadioButton>(w, "rbAllTenses"), Child<QRadioButton>(w, "rbCommonTenses"),
                 Child<QRadioButton>(w, "rbSpecificTenses")),
           Ticks(Child<QListWidget>(w, "cbCommonTense")), Ticks(Child<QListWidget>(w, "cbSpecificTense")),
           radio(Child<QRadioButton>(w, "rbAllPeople"), Child<QRadioButton>(w, "rbCommonPeople"),
                 Child<QRadioButton>(w, "rbSpecificPeople")),
           Ticks(Child<QListWidget>(w, "cbCommonPeople")), Ticks(Child<QListWidget>(w, "cbSpecificPeople")),
           Ticks(Child<QListWidget>(w, "cbVerbType")), Child<QLineEdit>(w, "edSpecVerb")->text());
}

// A choice unlike the page's start: specific tenses and persons, -er verbs only.
void ChooseOnShownAdvancedPage(TfrmVerbTester& w) {
  Child<QRadioButton>(w, "rbSpecificTenses")->setChecked(true);
  SetTicks(Child<QListWidget>(w, "cbSpecificTense"), "x.x......x.....");
  Child<QRadioButton>(w, "rbSpecificPeople")->setChecked(true);
  SetTicks(Child<QListWidget>(w, "cbSpecificPeople"), ".x..x..");
  SetTicks(Child<QListWidget>(w, "cbVerbType"), "x...x");
  Child<QLineEdit>(w, "edSpecVerb")->setText("tener");
}
const QString kChosenPage = "specific ....... x.x......x..... | specific ... .x..x.. | x...x | tener";

// The [Options] section of a settings file, up to the next section.
QByteArray OptionsSection(const QByteArray& file) {
  const qsizetype start = file.indexOf("[Options]");
  if (start < 0) return {};
  const qsizetype next = file.indexOf("\n[", start);
  QByteArray section = file.mid(start, next < 0 ? -1 : next + 1 - start);
  while (section.endsWith("\r\n\r\n")) section.chop(2);
  return section;
}

const QByteArray kInstalledIni =
    "[Default]\r\nCount=2\r\n1=Present - (Regular) - ar verbs\r\n2=Present - (Irregular) - ALL VERBS\r\n";

}  // namespace

class SettingsWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowSession> session_;

 private slots:
  // As the program does before its first window.
  void initTestCase() { InstallFontSubstitutes(); }
  void init() {
    session_ = std::make_unique<WindowSession>();
    QVERIFY(session_->Valid());
    QVERIFY(session_->WriteVerbs());
    QVERIFY(WindowSession::WriteFile("Parlavo.ini", kInstalledIni));
  }
  void cleanup() { session_.reset(); }

  void savedFilterComesBackAndGoes() {
    TfrmVerbTester& w = session_->Open();
    Click(Child<ClickableLabel>(w, "imgAdv"));
    ChooseOnShownAdvancedPage(w);
    Child<QLineEdit>(w, "edSave")->setText("Mine");
    Click(Child<QPushButton>(w, "bnSave"));
    QCOMPARE(Child<QListWidget>(w, "lbSettings")->count(), 1);
    QCOMPARE(Child<QComboBox>(w, "cbSimple")->itemText(1), QString("Mine"));
    QCOMPARE(Child<QComboBox>(w, "cbSimple")->itemText(2), QString("Present - (Regular) - ar verbs"));

    Click(Child<QPushButton>(w, "Button1"));  // "Clear Settings"
    QVERIFY(ShownAdvancedPage(w) != kChosenPage);
    const QRect row = Child<QListWidget>(w, "lbSettings")->visualItemRect(Child<QListWidget>(w, "lbSettings")->item(0));
    QTest::mouseClick(Child<QListWidget>(w, "lbSettings")->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QCOMPARE(ShownAdvancedPage(w), kChosenPage);

    Click(Child<QPushButton>(w, "bnDelete"));
    QCOMPARE(Child<QListWidget>(w, "lbSettings")->count(), 0);
    QCOMPARE(Child<QComboBox>(w, "cbSimple")->itemText(1), QString("Present - (Regular) - ar verbs"));
    QVERIFY(!WindowSession::ReadFile("Parlavo.ini").contains("List=Mine"));
    QVERIFY(session_->platform.messages.empty());
  }

  void aRestartKeepsOptionsAndTheCurrentFilter() {
    {
      TfrmVerbTester& w = session_->Open();
      Click(Child<ClickableLabel>(w, "imgOpt"));
      Click(Child<QCheckBox>(w, "cbBeep"));
      Click(Child<QRadioButton>(w, "rbWholeWord"));
      Click(Child<QRadioButton>(w, "rbSpan"));
      Child<TNewRealEdit>(w, "reTimeDelay")->setText("1.25");
      Click(Child<QRadioButton>(w, "rbdpArg"));
      Click(Child<ClickableLabel>(w, "imgAdv"));
      ChooseOnShownAdvancedPage(w);
      session_->Close();
    }
    TfrmVerbTester& w = session_->Open();
    QVERIFY(!Child<QCheckBox>(w, "cbBeep")->isChecked());
    QVERIFY(Child<QRadioButton>(w, "rbWholeWord")->isChecked());
    QVERIFY(!Child<QRadioButton>(w, "rbLetters")->isChecked());
    QVERIFY(Child<QRadioButton>(w, "rbSpan")->isChecked());
    QVERIFY(Child<QRadioButton>(w, "rbdpArg")->isChecked());
    QCOMPARE(Child<TNewRealEdit>(w, "reTimeDelay")->text(), QString("1.25"));
    QCOMPARE(w.Session().Options().pausetime, 1.25f);
    // The tenses, persons and specific verb come back; every verb type is ticked.
    QString page = kChosenPage;
    page.replace("| x...x |", "| xxxxx |");
    QCOMPARE(ShownAdvancedPage(w), page);
    QVERIFY(session_->platform.messages.empty());
  }

  void shutdownWritesTheOptionsInOrder() {
    {
      TfrmVerbTester& w = session_->Open();
      Click(Child<QCheckBox>(w, "cbBeep"));
      Click(Child<QRadioButton>(w, "rbWholeWord"));
      Child<TNewRealEdit>(w, "reTimeDelay")->setText("1.25");
      Click(Child<QRadioButton>(w, "rbdpArg"));
      Child<QComboBox>(w, "cbSimple")->setCurrentIndex(2);
      session_->Close();
    }
    QCOMPARE(OptionsSection(WindowSession::ReadFile("Parlavo.ini")),
             QByteArray("[Options]\r\nsimplemod=2\r\nexact=1\r\nshowerr=1\r\nword=1\r\nletters=0\r\nbeep=0\r\n"
                        "random=1\r\npause=1\r\npausetime=1.25\r\nmove=1\r\nexcel=1\r\neng=0\r\nspan=0\r\nadv=0\r\n"
                        "untested=0\r\ncountry=2\r\n"));
  }

  void unreadableValuesFallBack_data() {
    QTest::addColumn<QByteArray>("pausetime");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a word") << QByteArray("soon") << "0.5";
    QTest::newRow("two points") << QByteArray("1.2.3") << "0.5";
    QTest::newRow("a comma") << QByteArray("0,75") << "0.5";
    QTest::newRow("readable") << QByteArray("2") << "2";
  }
  void unreadableValuesFallBack() {
    QFETCH(QByteArray, pausetime);
    QFETCH(QString, shown);
    QVERIFY(WindowSession::WriteFile("Parlavo.ini", kInstalledIni + "[Options]\r\npausetime=" + pausetime + "\r\n"));
    TfrmVerbTester& w = session_->Open();
    QCOMPARE(Child<TNewRealEdit>(w, "reTimeDelay")->text(), shown);
    QVERIFY(!w.CopyingOptions);
    // Field text that is no number keeps the pause time; option clicks still copy.
    Child<TNewRealEdit>(w, "reTimeDelay")->setText("-");
    Click(Child<QCheckBox>(w, "cbBeep"));
    QVERIFY(!w.Session().Options().beep);
    QCOMPARE(w.Session().Options().pausetime, shown.toFloat());
    Child<TNewRealEdit>(w, "reTimeDelay")->setText("1..");
    Click(Child<QCheckBox>(w, "cbBeep"));
    QVERIFY(w.Session().Options().beep);
    QVERIFY(!w.CopyingOptions);
  }

  // The options read the pause field the way the field itself does: what it calls
  // unreadable keeps the previous pause.
  void pauseFieldAndOptionsAgree_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<float>("pausetime");
    QTest::newRow("+-1") << "+-1" << 0.5f;
    QTest::newRow("-+1") << "-+1" << 0.5f;
    QTest::newRow("blank") << "" << 0.5f;
    QTest::newRow("+1.5") << "+1.5" << 1.5f;
    QTest::newRow("-2") << "-2" << -2.0f;
  }
  void pauseFieldAndOptionsAgree() {
    QFETCH(QString, typed);
    QFETCH(float, pausetime);
    TfrmVerbTester& w = session_->Open();
    Child<TNewRealEdit>(w, "reTimeDelay")->clear();
    QTest::keyClicks(Child<TNewRealEdit>(w, "reTimeDelay"), typed);
    QCOMPARE(Child<TNewRealEdit>(w, "reTimeDelay")->text(), typed);
    Click(Child<QCheckBox>(w, "cbBeep"));
    const bool readable =
        Child<TNewRealEdit>(w, "reTimeDelay")->Value() == Child<TNewRealEdit>(w, "reTimeDelay")->LastValue() &&
        !typed.isEmpty();
    QCOMPARE(readable, pausetime != 0.5f);
    QCOMPARE(w.Session().Options().pausetime, pausetime);
  }

  // A folder where "Parlavo.ini" should be fails every write, also for root.
  void anUnwritableSettingsFileIsReportedOnce_data() {
    QTest::addColumn<bool>("saveFilters");
    QTest::newRow("first write at shutdown") << false;
    QTest::newRow("saved filters, then shutdown") << true;
  }
  void anUnwritableSettingsFileIsReportedOnce() {
    QFETCH(bool, saveFilters);
    QFile::remove("Parlavo.ini");
    QVERIFY(QDir().mkpath("Parlavo.ini/blocked"));
    TfrmVerbTester& w = session_->Open();
    QVERIFY(session_->platform.messages.empty());
    if (saveFilters) {
      for (const char* name : {"One", "Two"}) {
        Child<QLineEdit>(w, "edSave")->setText(name);
        Click(Child<QPushButton>(w, "bnSave"));
      }
      QCOMPARE(Child<QListWidget>(w, "lbSettings")->count(), 0);  // nothing stored, nothing listed
      QCOMPARE(session_->platform.messages.size(), std::size_t(1));
    }
    session_->Close();
    const auto& messages = session_->platform.messages;
    QCOMPARE(messages.size(), std::size_t(1));
    QCOMPARE(messages[0].title, QString("Error"));
    QVERIFY2(messages[0].text.contains("Parlavo.ini"), qPrintable(messages[0].text));
  }

  // Names go into keys and into "List": none may form a header, a comment, a key
  // split or a second list item.
  void aHostileFilterNameIsRefusedAndTheFileUnchanged_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"[Options]", "  [x]", ";comment", "a=b", "=", "one,two", ","})
      QTest::newRow(name) << QString(name);
  }
  void aHostileFilterNameIsRefusedAndTheFileUnchanged() {
    QFETCH(QString, name);
    TfrmVerbTester& w = session_->Open();
    const QByteArray before = WindowSession::ReadFile("Parlavo.ini");
    const int entries = Child<QComboBox>(w, "cbSimple")->count();
    Child<QLineEdit>(w, "edSave")->setText(name);
    Click(Child<QPushButton>(w, "bnSave"));
    QCOMPARE(WindowSession::ReadFile("Parlavo.ini"), before);
    QCOMPARE(Child<QListWidget>(w, "lbSettings")->count(), 0);
    QCOMPARE(Child<QComboBox>(w, "cbSimple")->count(), entries);
    const auto& messages = session_->platform.messages;
    QCOMPARE(messages.size(), std::size_t(1));
    QCOMPARE(messages[0].title, QString("Filter Name Error"));
    for (const char* shown : {"\"=\"", "\",\"", "\"[\"", "\";\""})
      QVERIFY2(messages[0].text.contains(shown), qPrintable(messages[0].text));
    QCOMPARE(Child<QLineEdit>(w, "edSave")->text(), name);
  }

  // Blanks around a name are no part of it: stored, listed, compared and read back
  // under the trimmed text.
  void aNameIsTrimmedBeforeItIsStoredOrCompared() {
    TfrmVerbTester& w = session_->Open();
    Click(Child<ClickableLabel>(w, "imgAdv"));
    ChooseOnShownAdvancedPage(w);
    Child<QLineEdit>(w, "edSave")->setText("  Foo \t");
    Click(Child<QPushButton>(w, "bnSave"));
    QCOMPARE(Child<QListWidget>(w, "lbSettings")->count(), 1);
    QCOMPARE(Child<QListWidget>(w, "lbSettings")->item(0)->text(), QString("Foo"));
    const QByteArray file = WindowSession::ReadFile("Parlavo.ini");
    QVERIFY2(file.contains("\r\nFooPEOPLE=") && file.contains("List=Foo\r\n"), file.constData());
    QVERIFY(!file.contains("Foo PEOPLE"));

    Child<QLineEdit>(w, "edSave")->setText("foo ");
    Click(Child<QPushButton>(w, "bnSave"));
    QCOMPARE(session_->platform.messages.size(), std::size_t(1));
    QCOMPARE(session_->platform.messages[0].title, QString("Duplicate Name Error"));
    Child<QLineEdit>(w, "edSave")->setText("   ");
    Click(Child<QPushButton>(w, "bnSave"));
    QCOMPARE(session_->platform.messages.size(), std::size_t(2));
    QCOMPARE(session_->platform.messages[1].title, QString("Error - No Filter Name"));
    QCOMPARE(Child<QListWidget>(w, "lbSettings")->count(), 1);

    Click(Child<QPushButton>(w, "Button1"));  // "Clear Settings"
    const QRect row = Child<QListWidget>(w, "lbSettings")->visualItemRect(Child<QListWidget>(w, "lbSettings")->item(0));
    QTest::mouseClick(Child<QListWidget>(w, "lbSettings")->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QCOMPARE(ShownAdvancedPage(w), kChosenPage);
  }

  // People keep dotfiles as links: the link stays and its target gets the settings.
  void aLinkedSettingsFileIsWrittenThroughAtClose() {
    QVERIFY(QDir().mkpath("dotfiles"));
    QVERIFY(QFile::rename("Parlavo.ini", "dotfiles/Parlavo.ini"));
    QVERIFY(QFile::link("dotfiles/Parlavo.ini", "Parlavo.ini"));
    TfrmVerbTester& w = session_->Open();
    Click(Child<ClickableLabel>(w, "imgOpt"));
    Click(Child<QCheckBox>(w, "cbBeep"));
    session_->Close();
    QVERIFY(QFileInfo("Parlavo.ini").isSymLink());
    QVERIFY(OptionsSection(WindowSession::ReadFile("dotfiles/Parlavo.ini")).contains("beep=0\r\n"));
    QCOMPARE(QDir("dotfiles").entryList(QDir::Files).size(), 1);
    QVERIFY(session_->platform.messages.empty());
  }

  // The owner's "leave it alone" holds, for root as well.
  void aReadOnlySettingsFileIsLeftAloneWithOneMessage() {
    const QByteArray before = WindowSession::ReadFile("Parlavo.ini");
    QVERIFY(QFile::setPermissions("Parlavo.ini", QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    TfrmVerbTester& w = session_->Open();
    Click(Child<ClickableLabel>(w, "imgOpt"));
    Click(Child<QCheckBox>(w, "cbBeep"));
    Child<QLineEdit>(w, "edSave")->setText("Mine");
    Click(Child<QPushButton>(w, "bnSave"));
    session_->Close();
    QCOMPARE(WindowSession::ReadFile("Parlavo.ini"), before);
    const auto& messages = session_->platform.messages;
    QCOMPARE(messages.size(), std::size_t(1));
    QVERIFY2(messages[0].text.contains("Parlavo.ini") && messages[0].text.contains("read-only"),
             qPrintable(messages[0].text));
    QVERIFY(QFile::setPermissions("Parlavo.ini", QFileDevice::ReadOwner | QFileDevice::WriteOwner));
  }

  // Without "Parlavo.ini", or with one that lacks [Default], the program starts
  // as with the installed file and writes the file back whole at close.
  void theInstalledTestsNeedNoSettingsFile_data() {
    QTest::addColumn<QByteArray>("file");  // empty: no file at all
    QTest::newRow("no file") << QByteArray();
    QTest::newRow("no [Default]") << QByteArray("[Options]\r\nbeep=0\r\n");
  }
  void theInstalledTestsNeedNoSettingsFile() {
    QFETCH(QByteArray, file);
    QVERIFY(QFile::remove("Parlavo.ini"));
    if (!file.isEmpty()) QVERIFY(WindowSession::WriteFile("Parlavo.ini", file));
    TfrmVerbTester& w = session_->Open();
    QCOMPARE(Child<QComboBox>(w, "cbSimple")->count(), 1 + 53 + 2);  // and the two review tests
    QCOMPARE(Child<QComboBox>(w, "cbSimple")->itemText(1), QString("Present - (Regular) - ar verbs"));
    QCOMPARE(Child<QComboBox>(w, "cbSimple")->itemText(53), QString("All Compound Verbs - (ALL VERBS)"));
    QCOMPARE(Child<QComboBox>(w, "cbSimple")->currentIndex(), 1);  // "simplemod" 1: the first preset was built
    session_->Close();
    const QByteArray written = WindowSession::ReadFile("Parlavo.ini");
    QVERIFY2(written.contains("[Default]\r\nCount=53\r\n1=Present - (Regular) - ar verbs\r\n"), written);
    QVERIFY(written.contains("\r\n53=All Compound Verbs - (ALL VERBS)\r\n"));
    QVERIFY(written.contains("Current FilterPEOPLE="));
    QVERIFY(written.contains(file.isEmpty() ? "beep=1" : "beep=0"));
    QVERIFY(session_->platform.messages.empty());
    // The file written is a whole installed file: a second run offers the same.
    TfrmVerbTester& again = session_->Open();
    QCOMPARE(Child<QComboBox>(again, "cbSimple")->count(), 1 + 53 + 2);
  }

  // With no current filter kept, the Advanced page starts with a choice that gives
  // a test; a choice that gives none says so.
  void theFirstAdvancedPageChoosesEverything() {
    QVERIFY(QFile::remove("Parlavo.ini"));
    TfrmVerbTester& w = session_->Open();
    QCOMPARE(ShownAdvancedPage(w), QString("all ....... ............... | all ... ....... | xxxxx | "));
    Click(Child<ClickableLabel>(w, "imgAdv"));
    Click(Child<QPushButton>(w, "bnUpdateVerbs"));
    QCOMPARE(Child<QListWidget>(w, "lbVerbs")->count(), 100);  // "Verbs in test" limits the 3 x 153 items
    QCOMPARE(Child<QLabel>(w, "lbVerbTitle")->text(), QString("100 conjugations in the test"));
    Click(Child<ClickableLabel>(w, "imgAdv"));
    Child<QRadioButton>(w, "rbSpecificTenses")->setChecked(true);  // and no tense ticked
    Click(Child<QPushButton>(w, "bnUpdateVerbs"));
    QCOMPARE(Child<QListWidget>(w, "lbVerbs")->count(), 0);
    QCOMPARE(Child<QLabel>(w, "lbVerbTitle")->text(),
             QString("0 conjugations in the test - nothing matches this filter"));
  }

  // A saved filter started by name with GO gives the test "Update Verbs" gives.
  void aSavedFilterGivesOneTestFromBothPlaces() {
    TfrmVerbTester& w = session_->Open();
    Click(Child<ClickableLabel>(w, "imgAdv"));
    Click(Child<QPushButton>(w, "Button1"));  // "Clear Settings": All Tenses, All Persons
    Child<QRadioButton>(w, "rbSpecificPeople")->setChecked(true);
    SetTicks(Child<QListWidget>(w, "cbSpecificPeople"), "x......");  // Yo
    Child<QLineEdit>(w, "edSpecVerb")->setText("tener");
    Click(Child<QPushButton>(w, "bnUpdateVerbs"));
    QCOMPARE(Child<QListWidget>(w, "lbVerbs")->count(), 14);  // every tense but the Imperative
    QStringList byUpdate;
    for (int i = 0; i < Child<QListWidget>(w, "lbVerbs")->count(); ++i)
      byUpdate << Child<QListWidget>(w, "lbVerbs")->item(i)->text();
    Click(Child<ClickableLabel>(w, "imgAdv"));
    Child<QLineEdit>(w, "edSave")->setText("Yo of tener");
    Click(Child<QPushButton>(w, "bnSave"));
    Click(Child<QPushButton>(w, "Button1"));
    Child<QComboBox>(w, "cbSimple")->setCurrentIndex(Child<QComboBox>(w, "cbSimple")->findText("Yo of tener"));
    Click(Child<QPushButton>(w, "Button14"));
    QStringList byGo;
    for (int i = 0; i < Child<QListWidget>(w, "lbVerbs")->count(); ++i)
      byGo << Child<QListWidget>(w, "lbVerbs")->item(i)->text();
    byUpdate.sort();
    byGo.sort();
    QCOMPARE(byGo, byUpdate);
  }

  void aWriteThatSucceedsAgainIsReportedAfresh() {
    TfrmVerbTester& w = session_->Open();
    QVERIFY(QFile::remove("Parlavo.ini"));
    QVERIFY(QDir().mkpath("Parlavo.ini/blocked"));
    Child<QLineEdit>(w, "edSave")->setText("One");
    Click(Child<QPushButton>(w, "bnSave"));
    QCOMPARE(session_->platform.messages.size(), std::size_t(1));
    QVERIFY(QDir("Parlavo.ini").removeRecursively());
    Child<QLineEdit>(w, "edSave")->setText("Two");
    Click(Child<QPushButton>(w, "bnSave"));
    QCOMPARE(Child<QListWidget>(w, "lbSettings")->count(), 1);
    QVERIFY(QFile::remove("Parlavo.ini"));
    QVERIFY(QDir().mkpath("Parlavo.ini/blocked"));
    Child<QListWidget>(w, "lbSettings")->setCurrentRow(0);
    Click(Child<QPushButton>(w, "bnDelete"));
    QCOMPARE(session_->platform.messages.size(), std::size_t(2));
    QVERIFY(QDir("Parlavo.ini").removeRecursively());
  }

  // An option or the Advanced page reaches the file soon after it changes, with no
  // CLOSE, so a crash right after keeps the learner's choice; a burst of changes
  // makes one write.
  void changesReachTheSettingsFileWithoutClose() {
    TfrmVerbTester& w = session_->Open();
    const bool beep = w.Session().Options().beep;
    Click(Child<QCheckBox>(w, "cbBeep"));
    QTRY_VERIFY(OptionsSection(WindowSession::ReadFile("Parlavo.ini")).contains(beep ? "beep=0" : "beep=1"));

    const QByteArray before = WindowSession::ReadFile("Parlavo.ini");
    ChooseOnShownAdvancedPage(w);
    QVERIFY(Child<QTimer>(w, "tmSettings")->isActive());
    QTRY_VERIFY(WindowSession::ReadFile("Parlavo.ini") != before);
    TfrmVerbTester* crashed = session_->window.release();  // as after a crash: no shutdown has run
    crashed->hide();
    TfrmVerbTester& next = session_->Open();
    QString page = kChosenPage;
    page.replace("| x...x |", "| xxxxx |");  // every start ticks all verb kinds
    QCOMPARE(ShownAdvancedPage(next), page);
    QCOMPARE(next.Session().Options().beep, !beep);
    session_->Close();
    delete crashed;
  }
};

QTEST_MAIN(SettingsWindowTest)
#include "settings_window_test.moc"

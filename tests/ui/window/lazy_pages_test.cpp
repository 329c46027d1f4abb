// The Options and Advanced pages make their controls only when first shown or read.
// Until then they keep what the window told them, and must give back exactly what a
// page made at once would have given: a difference would change the learner's
// options or filter without a click.
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "advanced_tests_page.h"
#include "find_child.h"
#include "fonts.h"
#include "options_page.h"

using namespace parlavo;
using parlavo::testing::Child;

namespace {

TOptions With(void (*change)(TOptions&)) {
  TOptions options;
  change(options);
  return options;
}

// The page's part of the options after the shows, read over `base`.
TOptions ShownAndRead(OptionsPage& page, const std::vector<TOptions>& shows, const TOptions& base) {
  for (const TOptions& options : shows) page.Show(options);
  TOptions read = base;
  page.Read(read);
  return read;
}

QStringList SavedNames(AdvancedTestsPage& page) {
  QStringList names;
  const auto* list = Child<QListWidget>(&page, "lbSettings");
  for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
  return names;
}

AdvancedPage Chosen() {
  AdvancedPage page;
  page.tenses = RadioChoice::Specific;
  page.people = RadioChoice::Common;
  page.cbSpecificTense[3] = page.cbSpecificTense[14] = true;
  page.cbCommonPeople[1] = true;
  page.cbVerbType[kIrregularVerbs] = true;
  page.edSpecVerb = "tener";
  return page;
}

}  // namespace

class LazyPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutes(); }

  void optionsReadAsIfMadeAtOnce_data() {
    QTest::addColumn<std::vector<TOptions>>("shows");
    // A radio button set to false is left alone, so what one show leaves depends on
    // the show before it.
    QTest::newRow("defaults") << std::vector<TOptions>{TOptions{}};
    QTest::newRow("whole word") << std::vector<TOptions>{With([](TOptions& o) { o.word = true, o.letters = false; })};
    QTest::newRow("neither colouring after whole word")
        << std::vector<TOptions>{With([](TOptions& o) { o.word = true, o.letters = false; }),
                                 With([](TOptions& o) { o.word = false, o.letters = false; })};
    QTest::newRow("English and Spanish") << std::vector<TOptions>{With([](TOptions& o) { o.eng = o.span = true; })};
    QTest::newRow("neither language after English")
        << std::vector<TOptions>{With([](TOptions& o) { o.eng = true; }), TOptions{}};
    QTest::newRow("Argentina") << std::vector<TOptions>{With([](TOptions& o) { o.country = 2; })};
    QTest::newRow("country out of range") << std::vector<TOptions>{With([](TOptions& o) { o.country = 7; })};
    QTest::newRow("every box cleared, odd pause") << std::vector<TOptions>{With([](TOptions& o) {
      o.exact = o.showerr = o.beep = o.random = o.pause = o.move = false;
      o.pausetime = 1.25f;
    })};
    QTest::newRow("no show at all") << std::vector<TOptions>{};
  }
  void optionsReadAsIfMadeAtOnce() {
    QFETCH(std::vector<TOptions>, shows);
    TOptions base;
    base.pausetime = 3.0f;  // what a page shown nothing gives back unchanged or not
    OptionsPage early;
    early.EnsureBuilt();
    OptionsPage late;
    QCOMPARE(late.Built(), false);
    QSignalSpy clicked(&late, &OptionsPage::optionClicked);
    QSignalSpy checked(&late, &OptionsPage::answerCheckChanged);
    QSignalSpy edited(&late, &OptionsPage::pauseTimeEdited);
    QVERIFY(ShownAndRead(late, shows, base) == ShownAndRead(early, shows, base));
    QVERIFY(late.Built());
    QCOMPARE(clicked.count() + checked.count() + edited.count(), 0);  // no learner's click
  }

  void verbsInTestBeforeThePageIsMade() {
    OptionsPage early;
    early.EnsureBuilt();
    OptionsPage late;
    QCOMPARE(late.VerbsInTest(), early.VerbsInTest());
    QCOMPARE(late.Built(), false);
  }

  void advancedReadAsIfMadeAtOnce_data() {
    QTest::addColumn<std::vector<AdvancedPage>>("shows");
    QTest::addColumn<bool>("tickAll");
    QTest::newRow("nothing shown") << std::vector<AdvancedPage>{} << false;
    QTest::newRow("no choice at all") << std::vector<AdvancedPage>{AdvancedPage{}} << false;
    QTest::newRow("cleared, all kinds ticked") << std::vector<AdvancedPage>{ClearedAdvancedPage()} << true;
    QTest::newRow("choices and ticks") << std::vector<AdvancedPage>{Chosen()} << false;
    QTest::newRow("shown twice") << std::vector<AdvancedPage>{Chosen(), ClearedAdvancedPage()} << true;
    AdvancedPage odd = Chosen();
    odd.edSpecVerb =
        "ca\xED"
        "da \x81\x90";  // an accent, and bytes no character stands for
    QTest::newRow("verb that is no plain text") << std::vector<AdvancedPage>{odd} << false;
  }
  void advancedReadAsIfMadeAtOnce() {
    QFETCH(std::vector<AdvancedPage>, shows);
    QFETCH(bool, tickAll);
    const std::vector<std::string> names = {"mine", "Spain \xF1"};
    auto tell = [&](AdvancedTestsPage& page) {
      for (const AdvancedPage& shown : shows) page.Show(shown);
      if (tickAll) page.TickAllVerbTypes();
      page.ShowSavedFilters(names);
    };
    AdvancedTestsPage early;
    early.EnsureBuilt();
    tell(early);
    AdvancedTestsPage late;
    tell(late);
    QCOMPARE(late.Built(), false);
    QVERIFY(late.Read() == early.Read());
    QCOMPARE(late.NewFilterName(), early.NewFilterName());

    QSignalSpy edited(&late, &AdvancedTestsPage::edited);
    late.EnsureBuilt();
    QVERIFY(late.Read() == early.Read());
    QCOMPARE(SavedNames(late), SavedNames(early));
    QCOMPARE(edited.count(), 0);  // what the page was told is no edit
  }
};

QTEST_MAIN(LazyPagesTest)
#include "lazy_pages_test.moc"

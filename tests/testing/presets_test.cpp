#include "presets.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "installed_settings.h"
#include "selection.h"
#include "testing_fixtures.h"

namespace parlavo {
namespace {

using testing::InfinitivesOf;
using testing::PeopleOf;
using testing::Select;
using testing::SmallVerbList;
using testing::TensesOf;

const std::set<int> kAllPeople = {kYo, kTu, kVos, kEl, kElla, kUsted, kNosotros, kVosotros, kEllos, kEllas, kUstedes};

std::set<int> AllPeopleBut(std::set<int> left) {
  std::set<int> people = kAllPeople;
  for (int p : left) people.erase(p);
  return people;
}

TEST(CountryPeople, ClearsThePersonsTheCountryDoesNotUse) {
  struct Case {
    int country;
    std::set<int> left;
  };
  for (const Case& c : {Case{kSpain, {kVos}}, Case{kLatinAmerica, {kVos, kVosotros}},
                        Case{kArgentina, {kTu, kVosotros}}, Case{kAllCountries, {}}, Case{-4, {}}, Case{99, {}}}) {
    TFilter f = ResetFilter(false);
    CountryPeople(c.country, f);
    std::set<int> asked;
    for (int p = 1; p <= kPersonCount; ++p)
      if (f.People[p - 1]) asked.insert(p);
    EXPECT_EQ(asked, AllPeopleBut(c.left)) << c.country;
    for (int slot = 11; slot < 17; ++slot) EXPECT_TRUE(f.People[slot]);
  }
}

// Every preset: its name in the installed test list and the criteria it sets.
struct PresetCase {
  int n;
  const char* name;
  std::set<int> tenses;
  ClassFlags verbs;
  std::uint8_t irreg;
};

class PresetTable : public ::testing::TestWithParam<PresetCase> {};

TEST_P(PresetTable, NameTensesEndingsAndRegularity) {
  const PresetCase& c = GetParam();
  ASSERT_LT(static_cast<std::size_t>(c.n), InstalledPresetNames().size());
  EXPECT_EQ(InstalledPresetNames()[c.n], c.name);
  TFilter f = ResetFilter(false);
  ASSERT_TRUE(SetPresetCriteria(c.n, f));
  std::set<int> tenses;
  for (int t = 1; t <= kTenseCount; ++t)
    if (f.Tenses[t == kGerund ? 24 : t - 1]) tenses.insert(t);
  EXPECT_EQ(tenses, c.tenses);
  EXPECT_EQ(f.Verbs, c.verbs);
  EXPECT_EQ(f.Irreg, c.irreg);
}

constexpr ClassFlags kAr = {true, false, false};
constexpr ClassFlags kEr = {false, true, false};
constexpr ClassFlags kIr = {false, false, true};
constexpr ClassFlags kErIr = {false, true, true};
constexpr ClassFlags kAll = {true, true, true};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    AllRows, PresetTable,
    ::testing::Values(
        PresetCase{0, "Present - (Regular) - ar verbs", {kPresent}, kAr, 0},
        PresetCase{1, "Present - (Regular) - er verbs", {kPresent}, kEr, 0},
        PresetCase{2, "Present - (Regular) - ir verbs", {kPresent}, kIr, 0},
        PresetCase{3, "Present - (Regular) - ALL verbs", {kPresent}, kAll, 0},
        PresetCase{4, "Present - (Irregular) - ar verbs", {kPresent}, kAr, 1},
        PresetCase{5, "Present - (Irregular) - er verbs", {kPresent}, kEr, 1},
        PresetCase{6, "Present - (Irregular) - ir verbs", {kPresent}, kIr, 1},
        PresetCase{7, "Present - (Irregular) - ALL verbs", {kPresent}, kAll, 1},
        PresetCase{8, "Present - (ALL VERBS)", {kPresent}, kAll, 2},
        PresetCase{9, "Simple past - (Regular) - ar verbs", {kSimplePast}, kAr, 0},
        PresetCase{10, "Simple past - (Regular) - er/ir verbs", {kSimplePast}, kErIr, 0},
        PresetCase{11, "Simple past - (Regular) - ALL verbs", {kSimplePast}, kAll, 0},
        PresetCase{12, "Simple past - (Irregular) - ar verbs", {kSimplePast}, kAr, 1},
        PresetCase{13, "Simple past - (Irregular) - er/ir verbs", {kSimplePast}, kErIr, 1},
        PresetCase{14, "Simple past - (Irregular) - ALL verbs", {kSimplePast}, kAll, 1},
        PresetCase{15, "Simple past - (ALL VERBS)", {kSimplePast}, kAll, 2},
        PresetCase{16, "Imperfect - (Regular)", {kImperfect}, kAll, 0},
        PresetCase{17, "Imperfect - (Irregular)", {kImperfect}, kAll, 1},
        PresetCase{18, "Imperfect - (ALL VERBS)", {kImperfect}, kAll, 2},
        PresetCase{19, "Perfect - (Regular)", {kPerfect}, kAll, 0},
        PresetCase{20, "Perfect - (Irregular)", {kPerfect}, kAll, 1},
        PresetCase{21, "Perfect - (ALL VERBS)", {kPerfect}, kAll, 2},
        PresetCase{22, "Pluperfect - (Regular)", {kPluperfect}, kAll, 0},
        PresetCase{23, "Pluperfect - (Irregular)", {kPluperfect}, kAll, 1},
        PresetCase{24, "Pluperfect - (ALL VERBS)", {kPluperfect}, kAll, 2},
        PresetCase{25, "All Past Tenses - (Regular)", {kSimplePast, kImperfect, kPerfect, kPluperfect}, kAll, 0},
        PresetCase{26, "All Past Tenses - (Irregular)", {kSimplePast, kImperfect, kPerfect, kPluperfect}, kAll, 1},
        PresetCase{27, "All Past Tenses - (ALL VERBS)", {kSimplePast, kImperfect, kPerfect, kPluperfect}, kAll, 2},
        PresetCase{28, "Future - (Regular)", {kFuture}, kAll, 0},
        PresetCase{29, "Future - (Irregular)", {kFuture}, kAll, 1},
        PresetCase{30, "Future - (ALL VERBS)", {kFuture}, kAll, 2},
        PresetCase{31, "Future : Perfect - (Regular)", {kFuturePerfect}, kAll, 0},
        PresetCase{32, "Future : Perfect - (Irregular)", {kFuturePerfect}, kAll, 1},
        PresetCase{33, "Future : Perfect - (ALL VERBS)", {kFuturePerfect}, kAll, 2},
        PresetCase{34, "Conditional - (Regular)", {kConditional}, kAll, 0},
        PresetCase{35, "Conditional - (Irregular)", {kConditional}, kAll, 1},
        PresetCase{36, "Conditional - (ALL VERBS)", {kConditional}, kAll, 2},
        PresetCase{37, "Conditional : Perfect - (Regular)", {kCondPerfect}, kAll, 0},
        PresetCase{38, "Conditional : Perfect - (Irregular)", {kCondPerfect}, kAll, 1},
        PresetCase{39, "Conditional : Perfect - (ALL VERBS)", {kCondPerfect}, kAll, 2},
        PresetCase{40, "Imperative - (Regular)", {kImperative}, kAll, 0},
        PresetCase{41, "Imperative - (Irregular)", {kImperative}, kAll, 1},
        PresetCase{42, "Imperative - (ALL VERBS)", {kImperative}, kAll, 2},
        PresetCase{43, "Subjunctive : Present", {kSubjPresent}, kAll, 2},
        PresetCase{44, "Subjunctive : Imperfect", {kSubjImperfect}, kAll, 2},
        PresetCase{45, "Subjunctive : Perfect", {kSubjPerfect}, kAll, 2},
        PresetCase{46, "Subjunctive : Pluperfect", {kSubjPluperfect}, kAll, 2},
        PresetCase{47, "Subjunctive - (Regular)", {kSubjPresent, kSubjImperfect, kSubjPerfect, kSubjPluperfect}, kAll, 0},
        PresetCase{48, "Subjunctive - (Irregular)", {kSubjPresent, kSubjImperfect, kSubjPerfect, kSubjPluperfect}, kAll, 1},
        PresetCase{49, "Subjunctive - (ALL VERBS)", {kSubjPresent, kSubjImperfect, kSubjPerfect, kSubjPluperfect}, kAll, 2},
        PresetCase{50, "All Compound Verbs - (Regular)", {kPerfect, kPluperfect, kSubjPerfect, kSubjPluperfect, kCondPerfect, kFuturePerfect}, kAll, 0},
        PresetCase{51, "All Compound Verbs - (Irregular)", {kPerfect, kPluperfect, kSubjPerfect, kSubjPluperfect, kCondPerfect, kFuturePerfect}, kAll, 1},
        PresetCase{52, "All Compound Verbs - (ALL VERBS)", {kPerfect, kPluperfect, kSubjPerfect, kSubjPluperfect, kCondPerfect, kFuturePerfect}, kAll, 2}),
    [](const auto& info) { return "Preset" + std::to_string(info.param.n); });
// clang-format on

TEST(InstalledPresetNames, AreTheFiftyThreePresets) { EXPECT_EQ(InstalledPresetNames().size(), 53u); }

TEST(SetPresetCriteria, OutsideTheTableChangesNothing) {
  for (int n : {-1, 53, 1000}) {
    TFilter f = ResetFilter(false);
    EXPECT_FALSE(SetPresetCriteria(n, f));
    EXPECT_EQ(f, ResetFilter(false));
  }
}

// ApplyPreset with a reader that must not be called.
TFilter Preset(int position, int firstPresetIndex, const AdvancedPage& page, int country) {
  return ApplyPreset(position, firstPresetIndex, "unused", page, country, [](const std::string& name) -> TFilter {
    ADD_FAILURE() << "saved filter read: " << name;
    return ResetFilter(true);
  });
}

TEST(ApplyPreset, PositionZeroIsTheAdvancedPage) {
  AdvancedPage page = ClearedAdvancedPage();
  page.edSpecVerb = "comer";
  EXPECT_EQ(Preset(0, 3, page, kSpain), BuildFilterFromControls(page));
}

TEST(ApplyPreset, PresetsTakeTheCountrysPersonsNotThePages) {
  AdvancedPage page = ClearedAdvancedPage();
  page.people = RadioChoice::Specific;  // no person ticked: the page would ask nobody
  const VerbList verbs = SmallVerbList();
  // Two saved filters: the first preset sits at position 3.
  const TestList test = Select(Preset(3 + 8, 3, page, kArgentina), verbs);
  EXPECT_EQ(TensesOf(test), std::set<int>{kPresent});
  EXPECT_EQ(PeopleOf(test), AllPeopleBut({kTu, kVosotros}));
  EXPECT_EQ(test.size(), 5u * 9u);
}

TEST(ApplyPreset, BeyondTheLastPresetSelectsNothing) {
  const VerbList verbs = SmallVerbList();
  const AdvancedPage page = ClearedAdvancedPage();
  EXPECT_TRUE(Select(Preset(1 + kPresetCount, 1, page, kAllCountries), verbs).empty());
  EXPECT_FALSE(Select(Preset(kPresetCount, 1, page, kAllCountries), verbs).empty());
}

// A filter saved from the Advanced page and started by name with GO gives the test
// that the page gives with "Update Verbs".
TEST(ApplyPreset, SavedFiltersGiveTheTestUpdateVerbsGives) {
  const VerbList verbs = SmallVerbList();
  auto page = [](RadioChoice tenses, RadioChoice people, std::string verb = "") {
    AdvancedPage p = ClearedAdvancedPage();
    p.tenses = tenses;
    p.people = people;
    p.edSpecVerb = std::move(verb);
    return p;
  };
  struct Case {
    const char* name;
    AdvancedPage page;
    std::size_t questions;
  };
  std::vector<Case> cases;
  AdvancedPage yoOfTener = page(RadioChoice::All, RadioChoice::Specific, "tener");
  yoOfTener.cbSpecificPeople[0] = true;  // "Yo": every tense but the Imperative
  cases.push_back({"All Tenses, Yo, tener", yoOfTener, 14});
  AdvancedPage pastInSpain = page(RadioChoice::Common, RadioChoice::Common);
  pastInSpain.cbCommonTense[1] = true;   // "Past (Simple/Imperfecto)"
  pastInSpain.cbCommonPeople[2] = true;  // "Spain": no Vos
  cases.push_back({"common groups", pastInSpain, 5u * 2u * 10u});
  AdvancedPage gerund = page(RadioChoice::Specific, RadioChoice::All);
  gerund.cbSpecificTense[14] = true;
  gerund.cbVerbType = {false, true, true, true, true};  // irregular verbs only
  cases.push_back({"irregular gerunds", gerund, 0});
  cases.push_back({"nothing chosen", page(RadioChoice::None, RadioChoice::All), 0});

  for (int position : {1, 2, -1}) {
    for (const Case& c : cases) {
      std::string asked;
      const TFilter saved = FilterFromControls(c.page);
      const TFilter f =
          ApplyPreset(position, 3, "my filter", ClearedAdvancedPage(), kSpain, [&](const std::string& name) {
            asked = name;
            return saved;
          });
      EXPECT_EQ(asked, "my filter") << position;
      const TestList test = Select(f, verbs);
      EXPECT_EQ(test, Select(BuildFilterFromControls(c.page), verbs)) << c.name;
      EXPECT_EQ(test.size(), c.questions) << c.name;
    }
  }
}

TEST(TenseSlotOfPosition, DisplayOrderAndFallBack) {
  struct Case {
    int position, slot;
  };
  for (const Case& c : {Case{0, 0}, Case{5, 5}, Case{6, 13}, Case{7, 6}, Case{8, 12}, Case{9, 7}, Case{13, 11},
                        Case{14, 24}, Case{15, 0}, Case{-1, 0}})
    EXPECT_EQ(TenseSlotOfPosition(c.position), c.slot) << c.position;
}

TEST(StartSingleVerbTest, OneVerbOneTenseTheCountrysPersons) {
  const VerbList verbs = SmallVerbList();
  struct Case {
    int position;
    int country;
    int tense;
    std::set<int> people;
  };
  // clang-format off
  for (const Case& c :
       {Case{0, kSpain, kPresent, AllPeopleBut({kVos})},
        Case{1, kArgentina, kSimplePast, AllPeopleBut({kTu, kVosotros})},
        Case{6, kAllCountries, kFuturePerfect, kAllPeople},
        Case{9, kLatinAmerica, kImperative, AllPeopleBut({kYo, kNosotros, kVos, kVosotros})},
        Case{14, kSpain, kGerund, {kYo}},
        Case{-1, kAllCountries, kPresent, kAllPeople}}) {
    // clang-format on
    const TestList test = Select(StartSingleVerbTest("Tener", c.position, c.country), verbs);
    EXPECT_EQ(InfinitivesOf(test), std::set<std::string>{"tener"}) << c.position;
    EXPECT_EQ(TensesOf(test), std::set<int>{c.tense}) << c.position;
    EXPECT_EQ(PeopleOf(test), c.people) << c.position;
  }
}

}  // namespace
}  // namespace parlavo

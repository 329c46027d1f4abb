#include "advanced_page.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "selection.h"
#include "testing_fixtures.h"

namespace parlavo {
namespace {

using testing::InfinitivesOf;
using testing::PeopleOf;
using testing::Select;
using testing::SmallVerbList;
using testing::TensesOf;

struct CommonTenseCase {
  int item;
  std::set<int> tenses;
  int marker;
};

class CommonTenseGroups : public ::testing::TestWithParam<CommonTenseCase> {};

TEST_P(CommonTenseGroups, SelectTheGroupsTensesAndMarkTheGroup) {
  const CommonTenseCase& c = GetParam();
  AdvancedPage page = ClearedAdvancedPage();
  page.tenses = RadioChoice::Common;
  page.cbCommonTense[c.item] = true;
  const TFilter f = BuildFilterFromControls(page);

  for (int slot = 17; slot <= 23; ++slot) EXPECT_EQ(f.Tenses[slot], slot == c.marker) << slot;
  EXPECT_FALSE(f.Tenses[24]) << "no common group asks the Gerund";
  const VerbList verbs = SmallVerbList();
  EXPECT_EQ(TensesOf(Select(f, verbs)), c.tenses);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    AllGroups, CommonTenseGroups,
    ::testing::Values(
        CommonTenseCase{0, {kPresent}, 17},
        CommonTenseCase{1, {kSimplePast, kImperfect}, 18},
        CommonTenseCase{2, {kSimplePast, kImperfect, kPerfect, kPluperfect}, 19},
        CommonTenseCase{3, {kFuture, kConditional}, 20},
        CommonTenseCase{4, {kImperative}, 21},
        CommonTenseCase{5,
                        {kPresent, kSimplePast, kImperfect, kPerfect, kPluperfect, kFuture,
                         kConditional, kImperative, kCondPerfect, kFuturePerfect},
                        22},
        CommonTenseCase{6, {kImperative, kSubjPresent, kSubjImperfect, kSubjPerfect,
                            kSubjPluperfect},
                        23}),
    [](const auto& info) { return "Group" + std::to_string(info.param.item); });
// clang-format on

TEST(BuildFilterFromControls, OnlyTheFirstTickedCommonGroupCounts) {
  AdvancedPage page = ClearedAdvancedPage();
  page.tenses = RadioChoice::Common;
  page.cbCommonTense[6] = true;  // All Subjunctive
  page.cbCommonTense[3] = true;  // Future/Conditional, first in list order
  page.people = RadioChoice::Common;
  page.cbCommonPeople[2] = true;  // Spain: no Vos
  page.cbCommonPeople[1] = true;  // Argentina, first: no Tú, no Vosotros
  const VerbList verbs = SmallVerbList();
  const TestList test = Select(BuildFilterFromControls(page), verbs);

  EXPECT_EQ(TensesOf(test), (std::set<int>{kFuture, kConditional}));
  EXPECT_EQ(PeopleOf(test), (std::set<int>{kYo, kVos, kEl, kElla, kUsted, kNosotros, kEllos, kEllas, kUstedes}));
}

TEST(BuildFilterFromControls, CommonChoiceWithNothingTicked) {
  AdvancedPage page = ClearedAdvancedPage();
  page.tenses = RadioChoice::Common;  // no tense group: nothing asked
  page.people = RadioChoice::Common;  // no person group: every person
  const TFilter f = BuildFilterFromControls(page);
  EXPECT_EQ(f.Tenses, TenseFlags{});
  EXPECT_EQ(f.People, ResetFilter(true).People);
}

TEST(BuildFilterFromControls, TheGerundOnlyByAllTensesOrItsOwnTick) {
  const VerbList verbs = SmallVerbList();
  AdvancedPage page = ClearedAdvancedPage();
  EXPECT_TRUE(TensesOf(Select(BuildFilterFromControls(page), verbs)).contains(kGerund));

  page.tenses = RadioChoice::Specific;
  page.cbSpecificTense.fill(true);
  page.cbSpecificTense[14] = false;
  EXPECT_FALSE(TensesOf(Select(BuildFilterFromControls(page), verbs)).contains(kGerund));

  page.cbSpecificTense = {};
  page.cbSpecificTense[14] = true;
  EXPECT_EQ(TensesOf(Select(BuildFilterFromControls(page), verbs)), std::set<int>{kGerund});
}

TEST(BuildFilterFromControls, SpecificTensesFollowTheDisplayOrder) {
  AdvancedPage page = ClearedAdvancedPage();
  page.tenses = RadioChoice::Specific;
  page.cbSpecificTense[6] = true;  // "Future - Perfect" (code 14)
  page.cbSpecificTense[8] = true;  // "Conditional - Perfect" (code 13)
  EXPECT_EQ(TensesOf(Select(BuildFilterFromControls(page), SmallVerbList())),
            (std::set<int>{kCondPerfect, kFuturePerfect}));
}

TEST(BuildFilterFromControls, SpecificPersonsExpandGroupedItems) {
  AdvancedPage page = ClearedAdvancedPage();
  page.people = RadioChoice::Specific;
  page.cbSpecificPeople[3] = true;  // "Él, Ella, Usted"
  page.cbSpecificPeople[6] = true;  // "Ustedes, Ellos, Ellas"
  const TFilter f = BuildFilterFromControls(page);
  EXPECT_TRUE(f.People[13]);
  EXPECT_EQ(PeopleOf(Select(f, SmallVerbList())), (std::set<int>{kEl, kElla, kUsted, kEllos, kEllas, kUstedes}));
}

TEST(BuildFilterFromControls, NoRadioButtonSelectsNothing) {
  AdvancedPage page = ClearedAdvancedPage();
  page.tenses = RadioChoice::None;
  EXPECT_TRUE(Select(BuildFilterFromControls(page), SmallVerbList()).empty());
  page = ClearedAdvancedPage();
  page.people = RadioChoice::None;
  EXPECT_TRUE(Select(BuildFilterFromControls(page), SmallVerbList()).empty());
}

struct VerbKindCase {
  bool regular, irregular;
  std::uint8_t irreg;
};

class VerbKinds : public ::testing::TestWithParam<VerbKindCase> {};

TEST_P(VerbKinds, TicksGiveTheRegularityMode) {
  const VerbKindCase& c = GetParam();
  AdvancedPage page = ClearedAdvancedPage();
  page.cbVerbType[kRegularVerbs] = c.regular;
  page.cbVerbType[kIrregularVerbs] = c.irregular;
  EXPECT_EQ(BuildFilterFromControls(page).Irreg, c.irreg);
  EXPECT_EQ(FilterFromControls(page).Irreg, c.irreg);
}

INSTANTIATE_TEST_SUITE_P(AllTicks, VerbKinds,
                         ::testing::Values(VerbKindCase{true, true, 2}, VerbKindCase{true, false, 0},
                                           VerbKindCase{false, true, 1}, VerbKindCase{false, false, 1}),
                         [](const auto& info) {
                           return std::string(info.param.regular ? "Regular" : "NoRegular") +
                                  (info.param.irregular ? "Irregular" : "NoIrregular");
                         });

TEST(BuildFilterFromControls, NeitherVerbKindAsksIrregularItemsOnly) {
  AdvancedPage page = ClearedAdvancedPage();
  page.cbVerbType[kRegularVerbs] = false;
  page.cbVerbType[kIrregularVerbs] = false;
  const VerbList verbs = SmallVerbList();
  const TestList test = Select(BuildFilterFromControls(page), verbs);
  ASSERT_FALSE(test.empty());
  for (const TVerb* item : test) EXPECT_TRUE(item->Irregular) << item->Form();
}

TEST(BuildFilterFromControls, EndingsLimitTheVerbs) {
  const VerbList verbs = SmallVerbList();
  AdvancedPage page = ClearedAdvancedPage();
  page.cbVerbType[kArVerbs] = page.cbVerbType[kErVerbs] = false;
  EXPECT_EQ(InfinitivesOf(Select(BuildFilterFromControls(page), verbs)), (std::set<std::string>{"vivir", "abrir"}));
  page.cbVerbType[kIrVerbs] = false;
  EXPECT_TRUE(Select(BuildFilterFromControls(page), verbs).empty());
}

TEST(BuildFilterFromControls, SpecificVerbAsTyped) {
  const VerbList verbs = SmallVerbList();
  struct Case {
    const char* typed;
    std::set<std::string> infinitives;
  };
  for (const Case& c : {Case{"ABRIR", {"abrir"}}, Case{"Abrir", {"abrir"}}, Case{" abrir", {}}, Case{"abrir ", {}},
                        Case{"", {"hablar", "comer", "tener", "vivir", "abrir"}}}) {
    AdvancedPage page = ClearedAdvancedPage();
    page.edSpecVerb = c.typed;
    const TFilter f = BuildFilterFromControls(page);
    EXPECT_EQ(f.Extra.Verb, c.typed);
    EXPECT_EQ(InfinitivesOf(Select(f, verbs)), c.infinitives) << "'" << c.typed << "'";
  }
}

TEST(ClearSettings, SelectsEveryItem) {
  const VerbList verbs = SmallVerbList();
  EXPECT_EQ(Select(BuildFilterFromControls(ClearedAdvancedPage()), verbs).size(), verbs.size());
}

// ---- The saved form ----

AdvancedPage BusyPage() {
  AdvancedPage page;
  page.tenses = RadioChoice::Common;
  page.people = RadioChoice::Specific;
  page.cbCommonTense = {false, true, false, false, false, true, true};
  page.cbSpecificTense[6] = page.cbSpecificTense[14] = true;
  page.cbCommonPeople = {true, false, true};
  page.cbSpecificPeople[3] = page.cbSpecificPeople[6] = true;
  page.cbVerbType = {true, false, true, false, true};
  page.edSpecVerb = " ten\xE9r ";
  return page;
}

TEST(SavedForm, KeepsEveryControlUnexpanded) {
  const TFilter f = FilterFromControls(BusyPage());
  EXPECT_TRUE(f.Tenses[15]);
  EXPECT_FALSE(f.Tenses[14] || f.Tenses[16]);
  EXPECT_TRUE(f.Tenses[18] && f.Tenses[22] && f.Tenses[23]) << "every ticked group, not the first";
  EXPECT_FALSE(f.Tenses[1] || f.Tenses[2]) << "groups are not expanded into tenses";
  EXPECT_TRUE(f.Tenses[13] && f.Tenses[24]);
  EXPECT_TRUE(f.People[13] && f.People[14] && f.People[16]);
  EXPECT_TRUE(f.People[3] && f.People[4] && f.People[5] && f.People[8] && f.People[10]);
  EXPECT_FALSE(f.People[0]);
  EXPECT_EQ(f.Verbs, (ClassFlags{true, false, true}));
  EXPECT_EQ(f.Irreg, 0);
  EXPECT_EQ(f.Extra.Verb, " ten\xE9r ");
}

TEST(SavedForm, RoundTripsThePage) {
  std::vector<AdvancedPage> pages = {BusyPage(), ClearedAdvancedPage(), AdvancedPage{}};
  AdvancedPage allRadios = ClearedAdvancedPage();
  allRadios.tenses = RadioChoice::Specific;
  allRadios.people = RadioChoice::Common;
  allRadios.cbVerbType[kRegularVerbs] = false;
  pages.push_back(allRadios);
  for (AdvancedPage page : pages) {
    if (!page.cbVerbType[kRegularVerbs] && !page.cbVerbType[kIrregularVerbs])
      page.cbVerbType[kIrregularVerbs] = true;  // the one thing that does not come back
    EXPECT_EQ(FilterToControls(FilterFromControls(page)), page);
  }
}

TEST(SavedForm, NeitherVerbKindComesBackAsIrregular) {
  AdvancedPage page = ClearedAdvancedPage();
  page.cbVerbType[kRegularVerbs] = page.cbVerbType[kIrregularVerbs] = false;
  const AdvancedPage back = FilterToControls(FilterFromControls(page));
  EXPECT_FALSE(back.cbVerbType[kRegularVerbs]);
  EXPECT_TRUE(back.cbVerbType[kIrregularVerbs]);
}

TEST(SavedForm, RadioButtonsFollowTheirSlots) {
  TFilter f = ResetFilter(false);
  EXPECT_EQ(FilterToControls(f).tenses, RadioChoice::None);
  EXPECT_EQ(FilterToControls(f).people, RadioChoice::None);
  // A hand-edited file may set several; they are set in order, so the last wins.
  f.Tenses[14] = f.Tenses[15] = true;
  f.People[11] = f.People[13] = true;
  EXPECT_EQ(FilterToControls(f).tenses, RadioChoice::Common);
  EXPECT_EQ(FilterToControls(f).people, RadioChoice::Specific);
}

TEST(SavedForm, GroupedPersonItemTickedWhenAnySlotIs) {
  TFilter f = ResetFilter(false);
  f.People[kElla - 1] = true;
  f.People[kUstedes - 1] = true;
  const AdvancedPage page = FilterToControls(f);
  EXPECT_EQ(page.cbSpecificPeople, (std::array<bool, 7>{false, false, false, true, false, false, true}));
}

TEST(SavedForm, IrregularModesShowAsTicks) {
  struct Case {
    std::uint8_t irreg;
    bool regular, irregular;
  };
  for (const Case& c : {Case{0, true, false}, Case{1, false, true}, Case{2, true, true}, Case{7, false, false}}) {
    TFilter f = ResetFilter(false);
    f.Irreg = c.irreg;
    const AdvancedPage page = FilterToControls(f);
    EXPECT_EQ(page.cbVerbType[kRegularVerbs], c.regular) << int(c.irreg);
    EXPECT_EQ(page.cbVerbType[kIrregularVerbs], c.irregular) << int(c.irreg);
  }
}

}  // namespace
}  // namespace parlavo

#include "verb_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace parlavo {
namespace {

TEST(TVerb, NewItemHoldsDefaults) {
  VerbList list;
  const TVerb fresh;
  TVerb& reset = list.Add("hablar", "hablo", true, 2, 3, "to speak");
  reset.ResetVerb();
  for (const TVerb* v : {&fresh, static_cast<const TVerb*>(&reset)}) {
    EXPECT_EQ(v->Infinitive(), "ERROR");
    EXPECT_EQ(v->Form(), "ERROR");
    EXPECT_EQ(v->Translation(), "ERROR");
    EXPECT_FALSE(v->Irregular);
    EXPECT_EQ(v->Person, 1);
    EXPECT_EQ(v->Tense, 1);
    EXPECT_EQ(v->VerbClass, 0);
  }
}

// An item holds its form as a short offset from its verb's texts: a verb whose forms
// run over the list's blocks, or farther than an offset reaches, keeps every form.
TEST(VerbList, FormsBeyondABlockAndTheOffsetsReach) {
  const struct {
    const char* what;
    std::size_t formBytes;
    int items;
  } cases[] = {
      {"many short forms", 7, 40000},  // 280 KB: several blocks for one verb
      {"long forms", 1024, 300},       // each crossing the reach of the one before
      {"empty forms among others", 0, 5},
  };
  for (const auto& c : cases) {
    VerbList list;
    std::vector<std::string> expected;
    for (int i = 0; i < c.items; ++i) {
      std::string form = std::to_string(i);
      form.resize(std::max(c.formBytes, c.formBytes ? form.size() : 0), 'x');
      expected.push_back(form);
      list.Add("hablar", form, false, 1, 1, "to speak");
    }
    list.Add("comer", "como", false, 1, 1, "to eat");
    for (int i = 0; i < c.items; ++i) {
      ASSERT_EQ(list[i].Form(), expected[i]) << c.what << " " << i;
      ASSERT_EQ(list[i].Infinitive(), "hablar") << c.what << " " << i;
      ASSERT_EQ(list[i].Translation(), "to speak") << c.what << " " << i;
    }
    EXPECT_EQ(list.back().Form(), "como") << c.what;
    EXPECT_EQ(list.back().Infinitive(), "comer") << c.what;
  }
}

// Each verb's texts sit in the list before its items: walking, indexing and slots
// must all see the items alone, in order, whatever the runs look like.
TEST(VerbList, ItemsAloneInOrderAcrossVerbs) {
  const struct {
    const char* what;
    std::vector<int> itemsPerVerb;
  } cases[] = {
      {"empty list", {}},
      {"one verb", {3}},
      {"verbs without items among others", {0, 2, 0, 0, 1, 0}},
      {"runs longer than an item can look back", {600, 1, 300}},
  };
  for (const auto& c : cases) {
    VerbList list;
    std::vector<std::string> expected;
    for (std::size_t v = 0; v < c.itemsPerVerb.size(); ++v) {
      const std::string infinitive = "v" + std::to_string(v) + "ar";
      std::string forms;
      std::vector<VerbList::NewItem> items;
      for (int i = 0; i < c.itemsPerVerb[v]; ++i) {
        const std::string form = infinitive + std::to_string(i);
        items.push_back({static_cast<std::uint32_t>(forms.size()), static_cast<std::uint32_t>(form.size()), false,
                         i % 2 == 0, kEl, kPresent});
        forms += form;
        expected.push_back(form);
      }
      list.AddVerb(infinitive, "to " + std::to_string(v), forms, items, 0);
    }
    ASSERT_EQ(list.size(), expected.size()) << c.what;
    EXPECT_EQ(list.empty(), expected.empty()) << c.what;
    std::size_t i = 0;
    std::set<std::size_t> slots;
    for (const TVerb& item : list) {
      ASSERT_LT(i, expected.size()) << c.what;
      EXPECT_EQ(item.Form(), expected[i]) << c.what << " " << i;
      EXPECT_EQ(&list[i], &item) << c.what << " " << i;
      EXPECT_EQ(item.Infinitive(), expected[i].substr(0, item.Infinitive().size())) << c.what << " " << i;
      EXPECT_EQ(&list.ItemInSlot(list.SlotOf(item)), &item) << c.what;
      EXPECT_LT(list.SlotOf(item), list.SlotCount()) << c.what;
      slots.insert(list.SlotOf(item));
      ++i;
    }
    EXPECT_EQ(i, expected.size()) << c.what;
    EXPECT_EQ(slots.size(), expected.size()) << c.what;
  }
}

TEST(TVerb, ClassAndEndingFromInfinitive) {
  struct Case {
    const char* infinitive;
    int verbClass;
    const char* ending;
  };
  const Case cases[] = {
      {"lavarse", 0, "ar"},     {"re\xEDr", 2, "\xEDr"}, {"ver", 1, "er"}, {"vivir", 2, "ir"},   {"o\xEDr", 2, "\xEDr"},
      {"hablar", 0, "ar"},      {"x", 2, "x"},           {"se", 2, ""},    {"ponerse", 1, "er"}, {"r\xE1r", 0, "\xE1r"},
      {"xyz\xE9r", 1, "\xE9r"}, {"vise", 2, "vi"},
  };
  VerbList list;
  for (const Case& c : cases) {
    const TVerb& v = list.Add(c.infinitive, "f", false, 1, 1, "t");
    EXPECT_EQ(v.VerbClass, c.verbClass) << c.infinitive;
    EXPECT_EQ(v.Ending(), c.ending) << c.infinitive;
  }
}

TEST(TVerb, NamesOfCodes) {
  EXPECT_EQ(PersonNameOf(2), "T\xFA");
  EXPECT_EQ(PersonNameOf(4), "\xC9l");
  EXPECT_EQ(PersonNameOf(11), "Ustedes");
  EXPECT_EQ(TenseNameOf(12), "Subjunctive - Pluperfect");
  EXPECT_EQ(TenseNameOf(15), "Gerund");
  for (int bad : {0, 12, 255, -1}) EXPECT_EQ(PersonNameOf(bad), "ERROR") << bad;
  for (int bad : {0, 16, 255}) EXPECT_EQ(TenseNameOf(bad), "ERROR") << bad;
}

TEST(TVerb, DisplayAndResultLines) {
  VerbList list;
  list.Add("hablar", "hablo", false, kYo, kPresent, "to speak");
  list.Add("ser", "soy", true, kYo, kPresent, "to be");
  list.Add("ir", "yendo", true, kYo, kGerund, "to go");
  list.Add("ir", "has ido", false, kVos, kPerfect, "to go");
  EXPECT_EQ(list[0].DisplayLine(), "Yo\thablo");
  EXPECT_EQ(list[0].ResultLine(10), "hablo,hablar,1,1,0,10");
  EXPECT_EQ(list[1].DisplayLine(), "Yo\tsoy\t(Irregular)");
  EXPECT_EQ(list[1].ResultLine(-5), "soy,ser,1,1,1,-5");
  EXPECT_EQ(list[2].DisplayLine(), "\tyendo\t(Irregular)");
  EXPECT_EQ(list[3].DisplayLine(), "Vos\thas ido");
  EXPECT_EQ(list[3].ResultLine(7), "has ido,ir,3,4,0,7");
}

class MatchesFilterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    people.fill(true);
    tenses.fill(true);
    classes.fill(true);
  }
  static VerbList Items() {
    VerbList list;
    list.Add("hablar", "hablo", false, kYo, kPresent, "to speak");
    list.Add("estar", "est\xE1", true, kEl, kPresent, "to be");
    list.Add("comer", "comiendo", false, kYo, kGerund, "to eat");
    list.Add("est\xE1", "x", false, kYo, kPresent, "t");
    return list;
  }
  bool Passes(const TVerb& v, int mode = 2, const std::string& extra = "") const {
    return v.MatchesFilter(people, tenses, classes, mode, TExtra{extra});
  }
  PeopleFlags people{};
  TenseFlags tenses{};
  ClassFlags classes{};
  VerbList list = Items();
  TVerb& regular = list[0];
  const TVerb &irregular = list[1], &gerund = list[2], &accented = list[3];
};

TEST_F(MatchesFilterTest, AllFlagsModeTwoPassEverything) {
  EXPECT_TRUE(Passes(regular));
  EXPECT_TRUE(Passes(irregular));
  EXPECT_TRUE(Passes(gerund));
}

TEST_F(MatchesFilterTest, RegularityModes) {
  struct Case {
    int mode;
    bool regularPasses;
    bool irregularPasses;
  };
  for (const Case& c : {Case{0, true, false}, Case{1, false, true}, Case{2, true, true}, Case{3, false, false},
                        Case{-1, false, false}}) {
    EXPECT_EQ(Passes(regular, c.mode), c.regularPasses) << c.mode;
    EXPECT_EQ(Passes(irregular, c.mode), c.irregularPasses) << c.mode;
  }
}

TEST_F(MatchesFilterTest, GerundUsesTheLastTenseSlot) {
  tenses.fill(false);
  tenses[24] = true;
  EXPECT_TRUE(Passes(gerund));
  EXPECT_FALSE(Passes(regular));
  tenses.fill(true);
  tenses[24] = false;
  tenses[14] = false;
  EXPECT_FALSE(Passes(gerund));
}

TEST_F(MatchesFilterTest, PersonTenseAndClassFlags) {
  people[0] = false;
  EXPECT_FALSE(Passes(regular));
  EXPECT_TRUE(Passes(irregular));
  people.fill(true);
  tenses[0] = false;
  EXPECT_FALSE(Passes(regular));
  tenses[0] = true;
  classes[0] = false;
  EXPECT_FALSE(Passes(regular));
  EXPECT_FALSE(Passes(irregular));  // estar is -ar too
  EXPECT_TRUE(Passes(gerund));
}

TEST_F(MatchesFilterTest, OutOfRangeCodesNeverPass) {
  regular.Person = 12;
  EXPECT_FALSE(Passes(regular));
  regular.Person = kYo;
  regular.Tense = 16;
  EXPECT_FALSE(Passes(regular));
  regular.Tense = 0;
  EXPECT_FALSE(Passes(regular));
}

TEST_F(MatchesFilterTest, SingleVerbUpperCasesOnlyAsciiLetters) {
  EXPECT_TRUE(Passes(regular, 2, "HABLAR"));
  EXPECT_TRUE(Passes(regular, 2, "hablar"));
  EXPECT_FALSE(Passes(regular, 2, "HABLA"));
  EXPECT_FALSE(Passes(accented, 2, "EST\xC1"));
  EXPECT_TRUE(Passes(accented, 2, "EST\xE1"));
}

}  // namespace
}  // namespace parlavo

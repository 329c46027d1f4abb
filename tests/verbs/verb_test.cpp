#include "verb_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace parlavo {
namespace {

TEST(TVerb, NewItemHoldsDefaults) {
  VerbList list;
  TVerb v;
  v = list.Add("hablar", "hablo", true, 2, 3, "to speak");
  v.ResetVerb();
  EXPECT_EQ(v.Infinitive(), "ERROR");
  EXPECT_EQ(v.Form(), "ERROR");
  EXPECT_EQ(v.Translation(), "ERROR");
  EXPECT_FALSE(v.Irregular);
  EXPECT_EQ(v.Person, 1);
  EXPECT_EQ(v.Tense, 1);
  EXPECT_EQ(v.VerbClass, 0);
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
    TVerb v;
    v = list.Add(c.infinitive, "f", false, 1, 1, "t");
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
  TVerb v;
  v = list.Add("hablar", "hablo", false, kYo, kPresent, "to speak");
  EXPECT_EQ(v.DisplayLine(), "Yo\thablo");
  EXPECT_EQ(v.ResultLine(10), "hablo,hablar,1,1,0,10");
  v = list.Add("ser", "soy", true, kYo, kPresent, "to be");
  EXPECT_EQ(v.DisplayLine(), "Yo\tsoy\t(Irregular)");
  EXPECT_EQ(v.ResultLine(-5), "soy,ser,1,1,1,-5");
  v = list.Add("ir", "yendo", true, kYo, kGerund, "to go");
  EXPECT_EQ(v.DisplayLine(), "\tyendo\t(Irregular)");
  v = list.Add("ir", "has ido", false, kVos, kPerfect, "to go");
  EXPECT_EQ(v.DisplayLine(), "Vos\thas ido");
  EXPECT_EQ(v.ResultLine(7), "has ido,ir,3,4,0,7");
}

class MatchesFilterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    people.fill(true);
    tenses.fill(true);
    classes.fill(true);
    regular = list.Add("hablar", "hablo", false, kYo, kPresent, "to speak");
    irregular = list.Add("estar", "est\xE1", true, kEl, kPresent, "to be");
    gerund = list.Add("comer", "comiendo", false, kYo, kGerund, "to eat");
  }
  bool Passes(const TVerb& v, int mode = 2, const std::string& extra = "") const {
    return v.MatchesFilter(people, tenses, classes, mode, TExtra{extra});
  }
  PeopleFlags people{};
  TenseFlags tenses{};
  ClassFlags classes{};
  VerbList list;
  TVerb regular, irregular, gerund;
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
  TVerb odd = regular;
  odd.Person = 12;
  EXPECT_FALSE(Passes(odd));
  odd = regular;
  odd.Tense = 16;
  EXPECT_FALSE(Passes(odd));
  odd.Tense = 0;
  EXPECT_FALSE(Passes(odd));
}

TEST_F(MatchesFilterTest, SingleVerbUpperCasesOnlyAsciiLetters) {
  EXPECT_TRUE(Passes(regular, 2, "HABLAR"));
  EXPECT_TRUE(Passes(regular, 2, "hablar"));
  EXPECT_FALSE(Passes(regular, 2, "HABLA"));
  TVerb accented;
  accented = list.Add("est\xE1", "x", false, kYo, kPresent, "t");
  EXPECT_FALSE(Passes(accented, 2, "EST\xC1"));
  EXPECT_TRUE(Passes(accented, 2, "EST\xE1"));
}

}  // namespace
}  // namespace parlavo

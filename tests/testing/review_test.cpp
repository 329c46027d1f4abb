#include "review.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "presets.h"
#include "testing_fixtures.h"

namespace parlavo {
namespace {

using testing::FindItem;
using testing::SmallVerbList;
using Lines = std::vector<std::string>;

const Day kToday = DayOf(2026, 12, 10);

HistoryEntry RunOn(int daysAgo, std::int64_t first, std::int64_t last) {
  return HistoryEntry{{kToday - daysAgo, 9 * 3600}, first, last, last - first + 1, 10};
}

class ReviewTest : public ::testing::Test {
 protected:
  TestList Build(ReviewKind kind, int country = kAllCountries, int limit = 100) {
    const ReviewInput input{&results, &history, kToday, country, limit};
    return BuildReview(kind, ItemIndex(verbs), input);
  }
  const TVerb* Item(const char* infinitive, int tense, int person) const {
    return FindItem(verbs, infinitive, tense, person);
  }

  VerbList verbs = SmallVerbList();
  Lines results;
  std::vector<HistoryEntry> history;
};

TEST_F(ReviewTest, FormsGotWrongAreThoseWhoseLatestAnswerWasBelowTenNewestFirst) {
  results = {
      // clang-format off
      "hablo,hablar,1,1,0,7,3",    // put right later
      "como,comer,1,1,0,10,3",
      "hablo,hablar,1,1,0,10,3",
      "tengo,tener,1,1,1,9,3",
      "vivo,vivir,1,1,0,-5,3",
      "comes,comer,2,1,0,7,3",     // Tú
      "fui,irse,1,2,1,7,3",        // a verb the data no longer has
      "hablo,hablar,1,99,0,7,3",   // a tense no item has
      "bad,line,one,1,0,7,3",      // unreadable
      "com\xE9s,comer,3,1,0,7,3",  // Vos
      "como,comer,1,1,0,7,3",      // wrong at last
      // clang-format on
  };
  const TVerb* comoYo = Item("comer", kPresent, kYo);
  const TVerb* comesTu = Item("comer", kPresent, kTu);
  const TVerb* comesVos = Item("comer", kPresent, kVos);
  const TVerb* vivo = Item("vivir", kPresent, kYo);
  const TVerb* tengo = Item("tener", kPresent, kYo);
  const struct {
    const char* name;
    int country;
    int limit;
    TestList rows;
  } cases[] = {
      {"all persons", kAllCountries, 100, {comoYo, comesVos, comesTu, vivo, tengo}},
      {"Spain: no Vos", kSpain, 100, {comoYo, comesTu, vivo, tengo}},
      {"Argentina: no Tú", kArgentina, 100, {comoYo, comesVos, vivo, tengo}},
      {"Verbs in test: the newest two", kAllCountries, 2, {comoYo, comesVos}},
      {"Verbs in test: 0", kAllCountries, 0, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Build(ReviewKind::kMissed, c.country, c.limit), c.rows) << c.name;
}

// Answers written by hand 21, 3 and 1 days ago and today, with one line before
// the history began.
TEST_F(ReviewTest, DueItemsFollowTheBoxRuleLowestBoxFirstThenOldest) {
  results = {
      // clang-format off
      "come,comer,4,1,0,10,3",                                    // 1: undated, box 2
      "tengo,tener,1,1,1,10,3", "tengo,tener,1,1,1,10,3",         // 2-5: box 5, 21 days
      "tengo,tener,1,1,1,10,3", "tengo,tener,1,1,1,10,3",
      "hablas,hablar,2,1,0,7,3",                                  // 6: 21 days, then
      "como,comer,1,1,0,10,3",  "como,comer,1,1,0,10,3",          // 7-8: box 3, 3 days
      "vivo,vivir,1,1,0,10,3",  "vivo,vivir,1,1,0,10,3",          // 9-11: box 4, 3 days
      "vivo,vivir,1,1,0,10,3",
      "hablo,hablar,1,1,0,10,3",                                  // 12: box 2, 1 day
      "hablas,hablar,2,1,0,10,3",                                 // 13: box 2, 1 day
      "abro,abrir,1,1,0,10,3",                                    // 14: box 2, today
      "abres,abrir,2,1,0,7,3",                                    // 15: box 1, today
      "fui,irse,1,2,1,7,3",                                       // 16: not in the data
  };
  history = {RunOn(21, 2, 6), RunOn(3, 7, 11), RunOn(1, 12, 13), RunOn(0, 14, 16)};
  EXPECT_EQ(Build(ReviewKind::kDue),
            (TestList{Item("abrir", kPresent, kTu),     // box 1
                      Item("comer", kPresent, kEl),     // box 2, long ago
                      Item("hablar", kPresent, kYo),    // box 2, yesterday, line 12
                      Item("hablar", kPresent, kTu),    // box 2, yesterday, line 13
                      Item("comer", kPresent, kYo),     // box 3, 3 days
                      Item("tener", kPresent, kYo)}));  // box 5, 21 days
  // clang-format on

  // Without "History.txt" every answer is long ago, so every item is due,
  // lowest box first and in the order of the file within a box.
  history.clear();
  const TestList undated = Build(ReviewKind::kDue);
  EXPECT_EQ(undated.size(), 8u);
  EXPECT_EQ(undated.front(), Item("abrir", kPresent, kTu));
  EXPECT_EQ(undated.back(), Item("tener", kPresent, kYo));
}

TEST_F(ReviewTest, NothingToReview) {
  EXPECT_TRUE(Build(ReviewKind::kMissed).empty());
  EXPECT_TRUE(Build(ReviewKind::kDue).empty());
  results = {"hablo,hablar,1,1,0,10,3"};
  history = {RunOn(0, 1, 1)};
  EXPECT_TRUE(Build(ReviewKind::kMissed).empty());
  EXPECT_TRUE(Build(ReviewKind::kDue).empty());
  EXPECT_EQ(ReviewTitle(0), "Nothing to review today: well done");
  EXPECT_EQ(ReviewTitle(3), "3 conjugations in the test");
}

TEST_F(ReviewTest, PractiseThisVerbAsksItsMissedFormsOrElseAllOfThem) {
  results = {"hablo,hablar,1,1,0,7,3",     "hablas,hablar,2,1,0,10,3",
             "habl\xE1s,hablar,3,1,0,7,3", "hablo,hablar,1,1,0,10,3",  // right later: still missed once
             "como,comer,1,1,0,10,3",      "vivo,vivir,3,1,0,7,3"};
  const ItemIndex index(verbs);
  EXPECT_EQ(PractiseVerb("hablar", index, results, kAllCountries),
            (TestList{Item("hablar", kPresent, kYo), Item("hablar", kPresent, kVos)}));
  EXPECT_EQ(PractiseVerb("hablar", index, results, kSpain), (TestList{Item("hablar", kPresent, kYo)}));

  // Nothing missed (for Spain the Vos miss does not count): every item of the verb
  // the country uses, in file order.
  for (const char* verb : {"comer", "vivir"}) {
    const TestList all = PractiseVerb(verb, index, results, kSpain);
    EXPECT_EQ(all.front(), Item(verb, kPresent, kYo)) << verb;
    EXPECT_EQ(all.size(), index.ItemsOf(verb).size() - 14) << verb;  // 14 Vos items
    for (const TVerb* item : all) EXPECT_NE(item->Person, kVos) << verb;
  }
  EXPECT_TRUE(PractiseVerb("irse", index, results, kSpain).empty());
}

TEST_F(ReviewTest, ItemsNoTestAsksAreNotReviewed) {
  TVerbMaker maker;
  maker.BuildVerbItems("haber", "to have", EmptyFormTable(), verbs);
  results = {"haya,haber,4,8,1,7,3", "he,haber,1,1,1,7,3"};  // Imperative, never asked
  const TestList present = {Item("haber", kPresent, kYo)};
  EXPECT_EQ(Build(ReviewKind::kMissed), present);
  EXPECT_EQ(Build(ReviewKind::kDue), present);
  results = {"hay,haber,4,1,1,10,3"};
  for (const TVerb* item : PractiseVerb("haber", ItemIndex(verbs), results, kAllCountries))
    EXPECT_NE(item->Tense, kImperative);
}

TEST(ReviewEntries, FollowThePresets) {
  EXPECT_EQ(ReviewAtPosition(56, 56), ReviewKind::kMissed);
  EXPECT_EQ(ReviewAtPosition(57, 56), ReviewKind::kDue);
  EXPECT_FALSE(ReviewAtPosition(55, 56));
  EXPECT_FALSE(ReviewAtPosition(58, 56));
  EXPECT_FALSE(ReviewAtPosition(-1, 56));
}

TEST(ItemIndexTest, FindsItemsOfTheDataOnly) {
  const VerbList verbs = SmallVerbList();
  const ItemIndex index(verbs);
  for (const TVerb& item : verbs)
    ASSERT_EQ(index.Find(item.Infinitive(), item.Person, item.Tense), &item) << item.Form();
  EXPECT_EQ(index.ItemsOf("tener").size(), static_cast<std::size_t>(kItemsPerVerb));
  EXPECT_EQ(index.Find("tener", kYo, kImperative), nullptr);  // no such item
  EXPECT_EQ(index.Find("TENER", kYo, kPresent), nullptr);
  EXPECT_EQ(index.Find("tener", 0, kPresent), nullptr);
  EXPECT_EQ(index.Find("tener", kYo, 1 << 30), nullptr);
  EXPECT_TRUE(index.ItemsOf("irse").empty());
}

}  // namespace
}  // namespace parlavo

#include "selection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "presets.h"
#include "testing_fixtures.h"
#include "unused_items.h"

namespace parlavo {
namespace {

using testing::FindItem;
using testing::SmallVerbList;

TFilter Everything() { return ResetFilter(true); }

TEST(SelectTest, KeepsPassingItemsInFileOrder) {
  const VerbList verbs = SmallVerbList();
  TFilter f = ResetFilter(false);
  f.People[kYo - 1] = true;
  f.Tenses[kPresent - 1] = true;
  f.Verbs = {true, true, true};
  f.Irreg = 2;
  const TestList test = SelectTest(f, verbs, nullptr, false);
  ASSERT_EQ(test.size(), 5u);
  const std::vector<std::string> forms = {"hablo", "como", "tengo", "vivo", "abro"};
  for (std::size_t i = 0; i < test.size(); ++i) EXPECT_EQ(test[i]->Form(), forms[i]);
  EXPECT_EQ(test[2], FindItem(verbs, "tener", kPresent, kYo)) << "rows refer to the list's items";
}

TEST(SelectTest, ReportsProgressOncePerItem) {
  const VerbList verbs = SmallVerbList();
  std::size_t calls = 0, last = 0;
  SelectTest(ResetFilter(false), verbs, nullptr, false, [&](std::size_t done, std::size_t total) {
    ++calls;
    EXPECT_EQ(total, verbs.size());
    EXPECT_EQ(done, last + 1);
    last = done;
  });
  EXPECT_EQ(calls, verbs.size());
}

TEST(SelectTest, EmptyVerbListGivesEmptyTest) {
  EXPECT_TRUE(SelectTest(Everything(), VerbList{}, nullptr, true).empty());
}

// soler's future, conditional and imperative and haber's imperative stay in the
// list (the conjugator shows them) but no test asks them, however it was chosen.
TEST(SelectTest, NeverAsksUnusedItems) {
  VerbList verbs;
  TVerbMaker maker;
  for (const char* verb : {"haber", "soler", "hablar"}) maker.BuildVerbItems(verb, "to test", EmptyFormTable(), verbs);
  const AdvancedPage everything = ClearedAdvancedPage();
  const SavedFilterReader savedSoler = [](const std::string&) {
    TFilter f = ResetFilter(true);
    f.Extra.Verb = "soler";
    return f;
  };
  constexpr int kFirstPreset = 2, kFutureAllVerbs = 30, kImperativeAllVerbs = 42;
  constexpr int kImperativePosition = 9;  // in cbTenses
  struct Case {
    const char* path;
    TFilter criteria;
    std::size_t expected;
  } cases[] = {
      {"preset Future, all verbs",
       ApplyPreset(kFirstPreset + kFutureAllVerbs, kFirstPreset, "", everything, kAllCountries, savedSoler), 2 * 11},
      {"preset Imperative, all verbs",
       ApplyPreset(kFirstPreset + kImperativeAllVerbs, kFirstPreset, "", everything, kAllCountries, savedSoler), 9},
      {"single-verb button Haber, Imperative", StartSingleVerbTest("haber", kImperativePosition, kAllCountries), 0},
      {"Advanced page, everything", ApplyPreset(0, kFirstPreset, "", everything, kAllCountries, savedSoler),
       3 * kItemsPerVerb - (11 + 11 + 9) - 9},
      {"saved filter, all of soler", ApplyPreset(1, kFirstPreset, "mine", everything, kAllCountries, savedSoler),
       kItemsPerVerb - (11 + 11 + 9)},
  };
  for (const Case& c : cases) {
    const TestList test = testing::Select(c.criteria, verbs);
    EXPECT_EQ(test.size(), c.expected) << c.path;
    for (const TVerb* item : test)
      EXPECT_FALSE(IsUnusedItem(item->Infinitive(), item->Tense))
          << c.path << ": " << item->Infinitive() << ", " << item->TenseName();
  }
}

class UntestedOnly : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("parlavo_selection_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
    results_ = std::make_unique<TFileMan>((dir_ / "Results.txt").string());
  }
  void TearDown() override {
    results_.reset();
    std::filesystem::remove_all(dir_);
  }

  TestList SelectTener(bool untestedOnly) {
    return SelectTest(StartSingleVerbTest("tener", 0, kAllCountries), verbs_, results_.get(), untestedOnly);
  }

  static std::set<std::string> Forms(const TestList& test) {
    std::set<std::string> forms;
    for (const TVerb* item : test) forms.emplace(item->Form());
    return forms;
  }

  std::filesystem::path dir_;
  std::unique_ptr<TFileMan> results_;
  VerbList verbs_ = SmallVerbList();
};

TEST_F(UntestedOnly, LeavesOutEveryItemWhoseFormWasAnswered) {
  // "tiene" is the form of Él, Ella and Usted; the result was for Él only, and in capitals.
  results_->ResultLines = {"TIENE,tener,4,1,1,10,3", "tengo,otro,5,9,0,7,2"};
  const TestList test = SelectTener(true);
  const std::set<std::string> forms = Forms(test);
  EXPECT_FALSE(forms.contains("tiene"));
  EXPECT_FALSE(forms.contains("tengo")) << "whatever verb, person or tense the result was for";
  EXPECT_TRUE(forms.contains("tienes"));
  EXPECT_EQ(test.size(), 11u - 4u);
}

TEST_F(UntestedOnly, IsOffWithoutTheOption) {
  results_->ResultLines = {"tiene,tener,4,1,1,10,3"};
  EXPECT_EQ(SelectTener(false).size(), 11u);
}

TEST_F(UntestedOnly, ResultsOfThisRunCountAtTheNextSelection) {
  EXPECT_EQ(SelectTener(true).size(), 11u);
  results_->ResultLines.push_back("tienes,tener,2,1,1,10,3");
  EXPECT_EQ(SelectTener(true).size(), 10u);
}

TEST_F(UntestedOnly, AgreesWithTheResultsIndexOnEveryKindOfLetter) {
  // clang-format off
  results_->ResultLines = {"TEN\xCD" "A,tener,1,3,0,10,1", "HA HABLADO,hablar,4,4,0,9,2",
                           "\x8A" "x,x,1,1,0,10,1", "\x9F" "y,x,1,1,0,10,1",
                           "  sol  ,x,1,1,0,10,1", "caf\xC9,x,1,1,0,10,1"};
  VerbList candidates;
  for (const char* form : {"ten\xED" "a", "tenia", "ha hablado", "hahablado", "\x9A" "x",
                           "\xFF" "Y", "\xFF" "x", "sol", " sol", "caf\xE9", "cafe", "caf\xC8",
                           "tengo"})
    testing::AddItem(candidates, "tener", form, false, kYo, kPresent);
  // clang-format on
  const TestList test = SelectTest(ResetFilter(true), candidates, results_.get(), true);
  const std::set<const TVerb*> kept(test.begin(), test.end());
  for (const TVerb& item : candidates) EXPECT_EQ(kept.contains(&item), !results_->IsTested(item.Form())) << item.Form();
  EXPECT_EQ(kept.size(), 7u);
}

TestList Numbered(std::size_t n, VerbList& storage) {
  storage.clear();
  for (std::size_t i = 0; i < n; ++i) testing::AddItem(storage, "v" + std::to_string(i), "f", false, 1, 1);
  TestList test;
  for (const TVerb& item : storage) test.push_back(&item);
  return test;
}

TEST(FillQuestionList, LimitCapsTheRows) {
  VerbList storage;
  const TestList test = Numbered(40, storage);
  struct Case {
    int limit;
    std::size_t rows;
  };
  for (bool shuffle : {false, true})
    for (const Case& c :
         {Case{1000, 40}, Case{40, 40}, Case{39, 39}, Case{1, 1}, Case{0, 0}, Case{-1, 0}, Case{-29999, 0}})
      EXPECT_EQ(FillQuestionList(test, c.limit, shuffle).size(), c.rows) << c.limit << (shuffle ? " shuffled" : "");
}

TEST(FillQuestionList, WithoutShuffleTheFirstItemsInFileOrder) {
  VerbList storage;
  const TestList test = Numbered(40, storage);
  const TestList rows = FillQuestionList(test, 7, false);
  EXPECT_EQ(rows, TestList(test.begin(), test.begin() + 7));
}

TEST(FillQuestionList, ShuffleDrawsDistinctItemsFromTheWholeList) {
  VerbList storage;
  const TestList test = Numbered(40, storage);
  std::mt19937 random(7);
  const TestList all = FillQuestionList(test, 1000, true, random);
  EXPECT_EQ(std::set<const TVerb*>(all.begin(), all.end()), std::set<const TVerb*>(test.begin(), test.end()));
  EXPECT_NE(all, test);

  // A subset reaches beyond the first items.
  std::set<const TVerb*> seen;
  for (int round = 0; round < 50; ++round) {
    const TestList rows = FillQuestionList(test, 5, true, random);
    EXPECT_EQ(std::set<const TVerb*>(rows.begin(), rows.end()).size(), 5u);
    seen.insert(rows.begin(), rows.end());
  }
  EXPECT_TRUE(seen.contains(test.back()));
  EXPECT_TRUE(seen.contains(test.front()));
}

TEST(FillQuestionList, ShuffleIsUniform) {
  // Each of 4 items should head the list about a quarter of the time; a biased draw
  // (one that never picks the last index, or favours the first) falls far outside.
  VerbList storage;
  const TestList test = Numbered(4, storage);
  std::mt19937 random(12345);
  std::map<const TVerb*, int> first;
  constexpr int kDraws = 8000;
  for (int i = 0; i < kDraws; ++i) ++first[FillQuestionList(test, 2, true, random).front()];
  for (const TVerb* item : test) {
    EXPECT_GT(first[item], kDraws / 4 - 250) << item->Infinitive();
    EXPECT_LT(first[item], kDraws / 4 + 250) << item->Infinitive();
  }
}

TEST(FillQuestionList, SameSeedSameOrder) {
  VerbList storage;
  const TestList test = Numbered(100, storage);
  std::mt19937 a(99), b(99);
  EXPECT_EQ(FillQuestionList(test, 30, true, a), FillQuestionList(test, 30, true, b));
}

TEST(FillQuestionList, ProgressOncePerRow) {
  VerbList storage;
  const TestList test = Numbered(40, storage);
  std::size_t calls = 0;
  FillQuestionList(test, 12, true, [&](std::size_t, std::size_t total) {
    ++calls;
    EXPECT_EQ(total, 12u);
  });
  EXPECT_EQ(calls, 12u);
}

TEST(RowText, InfinitiveTenseAndPerson) {
  const VerbList verbs = SmallVerbList();
  EXPECT_EQ(RowText(*FindItem(verbs, "tener", kPresent, kYo)), "tener : Present , Yo");
  EXPECT_EQ(RowText(*FindItem(verbs, "hablar", kSubjPerfect, kTu)), "hablar : Subjunctive - Perfect , T\xFA");
}

TEST(VerbTitle, CountsTheRowsAndSaysWhenNothingMatches) {
  EXPECT_EQ(VerbTitle(40, 40), "40 conjugations in the test");
  EXPECT_EQ(VerbTitle(40, 900), "40 conjugations in the test");
  EXPECT_EQ(VerbTitle(0, 900), "0 conjugations in the test") << "a limit of 0 is no empty filter";
  EXPECT_EQ(VerbTitle(0, 0), "0 conjugations in the test - nothing matches this filter");
}

}  // namespace
}  // namespace parlavo

#include "selection.h"

#include <algorithm>
#include <chrono>
#include <numeric>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "text.h"
#include "unused_items.h"

namespace parlavo {
namespace {

// The results' tested forms in a hash set, for a selection that asks for each of up to
// 153,000 items whether it was answered before: a sorted index costs a dozen
// comparisons a lookup, this about one. Same answers as TFileMan::IsTested.
class TestedForms {
 public:
  explicit TestedForms(const std::vector<std::string>& testedIndex) : forms_(testedIndex.begin(), testedIndex.end()) {}
  bool Contains(std::string_view form) const { return forms_.contains(form); }

 private:
  // Consistent with EqualsIgnoringCase, whose folding maps a-z to A-Z and bytes above
  // 127 only among themselves: those are hashed alike.
  struct Hash {
    std::size_t operator()(std::string_view text) const {
      std::size_t h = 14695981039346656037ull;
      for (char c : text) {
        unsigned char b = static_cast<unsigned char>(c);
        if (b >= 'a' && b <= 'z') b = static_cast<unsigned char>(b - 32);
        if (b >= 0x80) b = 0x80;
        h = (h ^ b) * 1099511628211ull;
      }
      return h;
    }
  };
  struct Equal {
    bool operator()(std::string_view a, std::string_view b) const { return EqualsIgnoringCase(a, b); }
  };
  std::unordered_set<std::string_view, Hash, Equal> forms_;
};

}  // namespace

TestList SelectTest(const TFilter& criteria, const VerbList& verbs, TFileMan* results, bool untestedOnly,
                    const SelectionProgress& progress) {
  if (results) results->BuildTestedIndex();
  const bool skipTested = untestedOnly && results;
  TestList test;
  const std::size_t total = verbs.size();
  std::size_t done = 0;
  static const std::vector<std::string> kNoResults;
  const TestedForms tested(skipTested ? results->TestedIndex() : kNoResults);
  std::string form;  // reused: a compound form is made from its parts
  for (const TVerb& item : verbs) {
    if (progress) progress(++done, total);
    if (!item.MatchesFilter(criteria.People, criteria.Tenses, criteria.Verbs, criteria.Irreg, criteria.Extra)) continue;
    if (IsUnusedItem(item.Infinitive(), item.Tense)) continue;
    if (skipTested) {
      form.clear();
      item.AppendForm(form);
      if (tested.Contains(form)) continue;
    }
    test.push_back(&item);
  }
  return test;
}

std::mt19937 ClockSeededGenerator() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
  return std::mt19937(seed);
}

TestList FillQuestionList(const TestList& testList, int limit, bool shuffle, std::mt19937& random,
                          const SelectionProgress& progress) {
  const std::size_t n = testList.size();
  const std::size_t m = limit <= 0 ? 0 : std::min(n, static_cast<std::size_t>(limit));
  TestList rows;
  rows.reserve(m);
  if (!shuffle) {
    rows.assign(testList.begin(), testList.begin() + static_cast<std::ptrdiff_t>(m));
  } else {
    // Partial Fisher-Yates: step i draws uniformly among the indices not drawn yet,
    // which is the draw without replacement, in O(n) instead of erasing from a list.
    std::vector<std::size_t> remaining(n);
    std::iota(remaining.begin(), remaining.end(), std::size_t{0});
    for (std::size_t i = 0; i < m; ++i) {
      std::uniform_int_distribution<std::size_t> pick(i, n - 1);
      std::swap(remaining[i], remaining[pick(random)]);
      rows.push_back(testList[remaining[i]]);
    }
  }
  if (progress)
    for (std::size_t i = 1; i <= m; ++i) progress(i, m);
  return rows;
}

TestList FillQuestionList(const TestList& testList, int limit, bool shuffle, const SelectionProgress& progress) {
  std::mt19937 random = ClockSeededGenerator();
  return FillQuestionList(testList, limit, shuffle, random, progress);
}

std::string RowText(const TVerb& item) {
  std::string text(item.Infinitive());
  text += " : ";
  text += item.TenseName();
  text += " , ";
  text += item.PersonName();
  return text;
}

std::string VerbTitle(std::size_t rows, std::size_t matched) {
  std::string title = std::to_string(rows) + " conjugations in the test";
  // A bare 0 reads like a fault of the program; say that the choice was empty.
  if (matched == 0) title += " - nothing matches this filter";
  return title;
}

}  // namespace parlavo

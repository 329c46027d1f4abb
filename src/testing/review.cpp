#include "review.h"

#include <algorithm>
#include <tuple>

#include "presets.h"
#include "result_line.h"
#include "review_box.h"
#include "unused_items.h"

namespace parlavo {

namespace {

// An item a review may ask: a person of the country option, and not one of the
// items no test asks.
bool Askable(const TFilter& persons, const TVerb& item) {
  return item.Person >= 1 && item.Person <= kPersonCount && persons.People[item.Person - 1] &&
         !IsUnusedItem(item.Infinitive(), item.Tense);
}

}  // namespace

std::optional<ReviewKind> ReviewAtPosition(int position, int firstReviewPosition) {
  switch (position - firstReviewPosition) {
    case 0: return ReviewKind::kMissed;
    case 1: return ReviewKind::kDue;
    default: return std::nullopt;
  }
}

TestList BuildReview(ReviewKind kind, const ItemIndex& items, const ReviewInput& input) {
  static const std::vector<std::string> kNoLines;
  static const std::vector<HistoryEntry> kNoHistory;
  const std::vector<std::string>& lines = input.resultLines ? *input.resultLines : kNoLines;
  const std::vector<Day> days = ResultDays(lines.size(), input.history ? *input.history : kNoHistory);

  TFilter persons;
  CountryPeople(input.country, persons);

  // Every answer folded into the state of its item, in file order (the order the
  // answers were given, whatever the history says about days). An item found has
  // the person, verb and tense of its line, so which items may be asked is settled
  // here without reading the items.
  std::vector<ReviewState> states(items.IndexBound());
  ResultFields fields;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!ParseResultFields(lines[i], fields) || fields.person < 1 || fields.person > kPersonCount ||
        !persons.People[fields.person - 1] || IsUnusedItem(fields.infinitive, fields.tense))
      continue;
    const TVerb* item = items.Find(fields.infinitive, fields.person, fields.tense);
    if (item) states[items.IndexOf(*item)].Answer(i, fields.score, days[i]);
  }

  // Sorted by value: the keys sit beside the item rather than behind a pointer.
  struct Candidate {
    int box;
    Day lastDay;
    std::uint32_t lastLine;
    const TVerb* item;
  };
  std::vector<Candidate> chosen;
  chosen.reserve(std::min(states.size(), lines.size()));
  for (std::size_t i = 0; i < states.size(); ++i) {
    const ReviewState& state = states[i];
    if (!state.answered) continue;
    const bool wanted = kind == ReviewKind::kMissed ? state.lastWrong : state.DueOn(input.today);
    if (!wanted) continue;
    chosen.push_back({state.box, state.lastDay, state.lastLine, &items.At(i)});
  }

  // Only the rows the "Verbs in test" limit keeps need their order: those are
  // picked first, then sorted.
  const std::size_t rows = input.limit <= 0 ? 0 : std::min(chosen.size(), static_cast<std::size_t>(input.limit));
  const auto end = chosen.begin() + static_cast<std::ptrdiff_t>(rows);
  auto order = [&](auto before) {
    if (end != chosen.end()) std::nth_element(chosen.begin(), end, chosen.end(), before);
    std::sort(chosen.begin(), end, before);
  };
  if (kind == ReviewKind::kMissed) {
    order([](const Candidate& a, const Candidate& b) { return a.lastLine > b.lastLine; });
  } else {
    order([](const Candidate& a, const Candidate& b) {
      return std::tie(a.box, a.lastDay, a.lastLine) < std::tie(b.box, b.lastDay, b.lastLine);
    });
  }
  TestList test;
  test.reserve(rows);
  for (auto it = chosen.begin(); it != end; ++it) test.push_back(it->item);
  return test;
}

TestList PractiseVerb(std::string_view infinitive, const ItemIndex& items, const std::vector<std::string>& resultLines,
                      int country) {
  TFilter persons;
  CountryPeople(country, persons);
  TestList all, missed;
  for (const TVerb& item : items.ItemsOf(infinitive))
    if (Askable(persons, item)) all.push_back(&item);
  ResultFields fields;
  for (const std::string& line : resultLines) {
    if (!ParseResultFields(line, fields) || fields.score >= 10 || fields.infinitive != infinitive) continue;
    const TVerb* item = items.Find(fields.infinitive, fields.person, fields.tense);
    if (item && Askable(persons, *item)) missed.push_back(item);
  }
  if (missed.empty()) return all;
  // Items are in file order in memory, so sorting the pointers restores it.
  std::sort(missed.begin(), missed.end());
  missed.erase(std::unique(missed.begin(), missed.end()), missed.end());
  return missed;
}

std::string ReviewTitle(std::size_t rows) {
  return rows == 0 ? "Nothing to review today: well done" : VerbTitle(rows, rows);
}

}  // namespace parlavo

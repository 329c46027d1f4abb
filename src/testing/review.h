// The two review tests of the MULTI list, built from the learner's own results:
// the forms whose latest answer was wrong, and the forms due again by the box rule
// (review_box.h). Both keep to the persons of the country option and to the
// "Verbs in test" limit, and leave out results of items the data no longer holds
// and the items no test asks (unused_items.h).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history.h"
#include "item_index.h"
#include "local_day.h"
#include "selection.h"

namespace parlavo {

enum class ReviewKind { kMissed, kDue };

// The entries go after the presets in cbSimple, so that "simplemod" keeps naming
// the test it named in settings files written before they existed.
inline constexpr std::array<std::string_view, 2> kReviewCaptions = {"Review - forms I got wrong", "Review - due today"};

// Which review entry `position` of cbSimple is, given the position of the first.
std::optional<ReviewKind> ReviewAtPosition(int position, int firstReviewPosition);

struct ReviewInput {
  const std::vector<std::string>* resultLines = nullptr;  // all of them, file order
  const std::vector<HistoryEntry>* history = nullptr;     // this run's entry included
  Day today = 0;
  int country = 0;  // TOptions::country
  int limit = 0;    // "Verbs in test"
};

// kMissed: every item whose latest answer scored below 10, most recent first.
// kDue: every item answered at least once that is due today, lowest box first,
// then the longest unasked first. At most `limit` rows, in that order.
TestList BuildReview(ReviewKind kind, const ItemIndex& items, const ReviewInput& input);

// "Practise this verb": the items of `infinitive` answered below 10 at least
// once, or all its items when none were, in file order and with the persons of
// the country option; the caller fills the question list from them as for any test.
TestList PractiseVerb(std::string_view infinitive, const ItemIndex& items, const std::vector<std::string>& resultLines,
                      int country);

// lbVerbTitle of a review: says that there is nothing to do instead of a bare 0.
std::string ReviewTitle(std::size_t rows);

}  // namespace parlavo

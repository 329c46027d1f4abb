#include "item_index.h"

#include <algorithm>

namespace parlavo {

namespace {

// Where item (tense, person) sits among a verb's items when they run tense by
// tense and person by person within a tense, as the loader builds them; -1 for an
// item that does not exist.
struct ItemOffsets {
  int at[kTenseCount + 1][kPersonCount + 1];
  ItemOffsets() {
    int next = 0;
    for (int t = 0; t <= kTenseCount; ++t)
      for (int p = 0; p <= kPersonCount; ++p) at[t][p] = ItemExists(t, p) ? next++ : -1;
  }
};

}  // namespace

ItemIndex::ItemIndex(const VerbList& verbs) : verbs_(&verbs) {
  static const ItemOffsets offsets;
  for (auto begin = verbs.begin(); begin != verbs.end();) {
    const TVerb& first = *begin;
    auto end = begin;
    std::size_t count = 0;
    bool usual = true;
    for (; end != verbs.end() && end->Infinitive() == first.Infinitive(); ++end, ++count) {
      const TVerb& item = *end;
      usual = usual && VerbList::SameRun(first, item) && item.Tense <= kTenseCount && item.Person <= kPersonCount &&
              offsets.at[item.Tense][item.Person] == static_cast<int>(count);
    }
    usual = usual && count == static_cast<std::size_t>(kItemsPerVerb);
    verbItems_.try_emplace(std::string(first.Infinitive()), VerbItems{{begin, end, count}, usual});
    begin = end;
  }
}

const ItemIndex::VerbItems* ItemIndex::VerbOf(std::string_view infinitive) const {
  const auto it = verbItems_.find(infinitive);
  return it == verbItems_.end() ? nullptr : &it->second;
}

ItemRange ItemIndex::ItemsOf(std::string_view infinitive) const {
  const VerbItems* verb = VerbOf(infinitive);
  return verb ? verb->items : ItemRange{verbs_->end(), verbs_->end(), 0};
}

const TVerb* ItemIndex::Find(std::string_view infinitive, int person, int tense) const {
  if (tense < 1 || tense > kTenseCount || person < 1 || person > kPersonCount) return nullptr;
  const VerbItems* verb = VerbOf(infinitive);
  if (!verb) return nullptr;
  static const ItemOffsets offsets;
  const int offset = offsets.at[tense][person];
  // The usual layout is checked once when the index is built, so no item before
  // the one wanted is read here: reading one is a trip to memory.
  if (verb->usualLayout)
    return offset < 0 ? nullptr : &VerbList::Later(verb->items.front(), static_cast<std::size_t>(offset));
  const auto key = [](const TVerb& item) { return item.Tense * 16 + item.Person; };
  const int wanted = tense * 16 + person;
  const auto it = std::lower_bound(verb->items.begin(), verb->items.end(), wanted,
                                   [&](const TVerb& item, int k) { return key(item) < k; });
  if (it != verb->items.end() && it->Tense == tense && it->Person == person) return &*it;
  return nullptr;
}

}  // namespace parlavo

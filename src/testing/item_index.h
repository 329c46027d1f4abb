// Finding the item of a result line (infinitive, person, tense) in the verb item
// list without a pass over all of it. The list must not change while the index
// lives: it keeps pointers to the items.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "verb.h"
#include "verb_list.h"

namespace parlavo {

class ItemIndex {
 public:
  explicit ItemIndex(const VerbList& verbs);

  // The item, or null when the data no longer holds it.
  const TVerb* Find(std::string_view infinitive, int person, int tense) const;
  // Every item of one verb in file order (empty for a verb not in the data).
  ItemRange ItemsOf(std::string_view infinitive) const;
  // A number for each item of the list, below IndexBound(), for tables by item.
  std::size_t IndexOf(const TVerb& item) const { return verbs_->SlotOf(item); }
  std::size_t IndexBound() const { return verbs_->SlotCount(); }
  // The item of a number IndexOf gave.
  const TVerb& At(std::size_t index) const { return verbs_->ItemInSlot(index); }

 private:
  const VerbList* verbs_;
  struct VerbItems {
    ItemRange items;
    bool usualLayout;  // the loader's order in one run: found by position without a look
  };
  const VerbItems* VerbOf(std::string_view infinitive) const;

  // Looked up by a view of a result line's field without making a string of it.
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  // Each verb's items (its first block when listed twice). The infinitives are
  // copied into the table, so a lookup reads no item.
  std::unordered_map<std::string, VerbItems, Hash, std::equal_to<>> verbItems_;
};

}  // namespace parlavo

// The verb item list: all items of all verbs in file order, and the texts they
// refer to. Each verb's infinitive and translation are kept once for its 153 items,
// and forms are packed into large blocks, so a load makes a few hundred allocations
// instead of several per item.
#pragma once

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

#include "verb.h"

namespace parlavo {

class VerbList {
 public:
  using value_type = TVerb;
  using iterator = std::vector<TVerb>::iterator;
  using const_iterator = std::vector<TVerb>::const_iterator;

  VerbList() = default;
  // Items point into the list's own storage: moving keeps it, a copy could not.
  VerbList(VerbList&&) noexcept = default;
  VerbList& operator=(VerbList&&) noexcept = default;
  VerbList(const VerbList&) = delete;
  VerbList& operator=(const VerbList&) = delete;

  // A copy of `text` that lives as long as the list.
  std::string_view Keep(std::string_view text) { return KeepJoined({text}); }
  // The parts joined into one text kept by the list.
  std::string_view KeepJoined(std::initializer_list<std::string_view> parts);
  // The shared texts of a new verb, copied into the list.
  const VerbText& AddVerb(std::string_view infinitive, std::string_view translation);
  // An item of `verb` (from AddVerb) whose form is already kept by this list.
  TVerb& AddItem(const VerbText& verb, std::string_view keptForm, bool irregular, std::uint8_t person,
                 std::uint8_t tense, std::uint8_t verbClass) {
    return items_.emplace_back(Reaching(verb, keptForm), keptForm, irregular, person, tense, verbClass);
  }
  // An item with texts of any lifetime: all are copied. Items added one after another
  // with the same infinitive and translation share them. A form is at most
  // kFormReach bytes (the loader's lines are far shorter).
  TVerb& Add(std::string_view infinitive, std::string_view form, bool irregular, int person, int tense,
             std::string_view translation);

  // Heap bytes held by the items and their texts.
  std::size_t BytesUsed() const;

  // Read like a vector. A loaded list never grows again, so its items stay where
  // they are and tests may keep pointers to them.
  void reserve(std::size_t items) { items_.reserve(items); }
  void clear();
  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  const TVerb& operator[](std::size_t i) const { return items_[i]; }
  TVerb& operator[](std::size_t i) { return items_[i]; }
  const TVerb& front() const { return items_.front(); }
  const TVerb& back() const { return items_.back(); }
  const TVerb* data() const { return items_.data(); }
  const_iterator begin() const { return items_.begin(); }
  const_iterator end() const { return items_.end(); }
  iterator begin() { return items_.begin(); }
  iterator end() { return items_.end(); }

 private:
  // `verb`, or a copy of its texts whose Forms reaches `keptForm` (an item holds its
  // form as a short offset; a verb's forms may start a new block).
  const VerbText& Reaching(const VerbText& verb, std::string_view keptForm);

  std::vector<TVerb> items_;
  std::deque<VerbText> verbs_;  // a deque never moves what it holds
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t blockBytes_ = 0;  // bytes of all blocks
  char* free_ = nullptr;        // the unused rest of the last block
  std::size_t left_ = 0;
};

}  // namespace parlavo

// The verb item list: all items of all verbs in file order, and the texts they
// refer to. Each verb's infinitive and translation are kept once, in a slot before
// its items, and forms are packed into large blocks, so a load makes a few hundred
// allocations instead of several per item.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <iterator>
#include <memory>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "verb.h"

namespace parlavo {

class VerbList {
  // Items that share one slot of texts.
  struct Run {
    std::size_t textsSlot;
    std::size_t itemsBefore;
  };

 public:
  // Walks the items in order, stepping over the slots that hold texts.
  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = TVerb;
    using difference_type = std::ptrdiff_t;
    using pointer = const TVerb*;
    using reference = const TVerb&;

    const_iterator() = default;
    reference operator*() const { return slot_->item; }
    pointer operator->() const { return &slot_->item; }
    const_iterator& operator++() {
      if (++slot_ == nextTexts_) SkipTexts();
      return *this;
    }
    const_iterator operator++(int) {
      const_iterator was = *this;
      ++*this;
      return was;
    }
    bool operator==(const const_iterator& other) const { return slot_ == other.slot_; }

   private:
    friend class VerbList;
    const_iterator(const VerbList* list, std::size_t slot, std::size_t nextRun)
        : slot_(list->slots_.data() + slot),
          slots_(list->slots_.data()),
          nextRun_(list->runs_.data() + nextRun),
          runsEnd_(list->runs_.data() + list->runs_.size()) {
      SkipTexts();
    }
    // Steps over the slots of texts at slot_, and finds where the next one lies.
    void SkipTexts() {
      while (nextRun_ != runsEnd_ && slot_ == slots_ + nextRun_->textsSlot) {
        ++slot_;
        ++nextRun_;
      }
      nextTexts_ = nextRun_ == runsEnd_ ? nullptr : slots_ + nextRun_->textsSlot;
    }

    const VerbSlot* slot_ = nullptr;
    const VerbSlot* nextTexts_ = nullptr;  // the next slot of texts ahead, if any
    const VerbSlot* slots_ = nullptr;
    const Run* nextRun_ = nullptr;  // the run of nextTexts_
    const Run* runsEnd_ = nullptr;
  };

  using value_type = TVerb;
  using iterator = const_iterator;

  VerbList() = default;
  // Items point into the list's own storage: moving keeps it, a copy could not.
  VerbList(VerbList&&) noexcept = default;
  VerbList& operator=(VerbList&&) noexcept = default;
  VerbList(const VerbList&) = delete;
  VerbList& operator=(const VerbList&) = delete;

  // What the list needs to know of a new verb's item.
  struct NewItem {
    // Bytes [formOffset, formOffset + formSize) of the verb's forms hold the item's
    // form, after the tense's auxiliary when withAuxiliary.
    std::uint32_t formOffset = 0, formSize = 0;
    bool withAuxiliary = false, irregular = false;
    std::uint8_t person = 0, tense = 0;
  };
  // A new verb and its items, given with the forms of all of them one after another
  // (at most kFormReach bytes, each item's at most kLongestForm).
  void AddVerb(std::string_view infinitive, std::string_view translation, std::string_view forms,
               std::span<const NewItem> items, std::uint8_t verbClass);
  // An item with texts of any lifetime: all are copied. Items added one after another
  // with the same infinitive and translation share them. A form longer than
  // kLongestForm bytes throws std::length_error (the loader's lines are far shorter).
  TVerb& Add(std::string_view infinitive, std::string_view form, bool irregular, int person, int tense,
             std::string_view translation);

  // Heap bytes held by the items and their texts.
  std::size_t BytesUsed() const;

  // Room for this many more items and verbs, so that adding them moves nothing.
  void ReserveMore(std::size_t items, std::size_t verbs);
  void clear();

  // Read like a sequence of items. A loaded list never grows again, so its items
  // stay where they are and tests may keep pointers to them.
  std::size_t size() const { return itemCount_; }
  bool empty() const { return itemCount_ == 0; }
  // The i-th item (a search over the verbs: for tests and tools, not for loops).
  const TVerb& operator[](std::size_t i) const;
  TVerb& operator[](std::size_t i) { return const_cast<TVerb&>(std::as_const(*this)[i]); }
  const TVerb& front() const { return *begin(); }
  const TVerb& back() const { return (*this)[size() - 1]; }
  inline const_iterator begin() const;
  inline const_iterator end() const;

  // Where an item lies among the list's slots: below SlotCount(), unique per item,
  // stable while the list lives. Not every slot holds an item.
  std::size_t SlotOf(const TVerb& item) const { return static_cast<std::size_t>(AsSlot(item) - slots_.data()); }
  std::size_t SlotCount() const { return slots_.size(); }
  // The item in a slot that SlotOf gave.
  const TVerb& ItemInSlot(std::size_t slot) const { return slots_[slot].item; }
  // The item `steps` places after `item`, when SameRun says that one follows it.
  static const TVerb& Later(const TVerb& item, std::size_t steps) { return (AsSlot(item) + steps)->item; }
  // Whether both items refer to one slot of texts, so no such slot lies between
  // them (a verb's items share one unless the verb has more than 255).
  static bool SameRun(const TVerb& item, const TVerb& later) {
    return item.back_ != 0 && later.back_ != 0 && AsSlot(item) - item.back_ == AsSlot(later) - later.back_;
  }

 private:
  static const VerbSlot* AsSlot(const TVerb& item) { return reinterpret_cast<const VerbSlot*>(&item); }
  // A copy of `text` that lives as long as the list.
  std::string_view Keep(std::string_view text);
  // Begins a run of items sharing `texts` (whose views the list already keeps).
  void StartRun(const VerbText& texts);
  // Appends an item to the last run, or to a new run with its texts when an item
  // could not reach back to them.
  TVerb& Place(std::size_t formOffset, std::size_t formSize, bool withAuxiliary, bool irregular, int person, int tense,
               std::uint8_t verbClass);
  // Whether an item of the last run may hold `form` (kept by the list).
  bool LastRunTakes(std::string_view form) const;

  // Each run: a slot holding its texts, then its items.
  std::vector<VerbSlot> slots_;
  std::vector<Run> runs_;  // in slot order
  std::size_t itemCount_ = 0;
  std::deque<VerbText> verbs_;  // a deque never moves what it holds
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t blockBytes_ = 0;  // bytes of all blocks
  char* free_ = nullptr;        // the unused rest of the last block
  std::size_t left_ = 0;
};

// Consecutive items of a list, with their count.
struct ItemRange {
  VerbList::const_iterator first, last;
  std::size_t count = 0;

  VerbList::const_iterator begin() const { return first; }
  VerbList::const_iterator end() const { return last; }
  std::size_t size() const { return count; }
  bool empty() const { return count == 0; }
  const TVerb& front() const { return *first; }
};

inline VerbList::const_iterator VerbList::begin() const { return {this, 0, 0}; }
inline VerbList::const_iterator VerbList::end() const { return {this, slots_.size(), runs_.size()}; }

}  // namespace parlavo

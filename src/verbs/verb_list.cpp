#include "verb_list.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace parlavo {

namespace {
// Large enough that the shipped data fills a few dozen blocks, small enough that a
// test list wastes little.
constexpr std::size_t kBlockBytes = 64 * 1024;
// How many slots an item can look back to its verb's texts.
constexpr std::size_t kLongestRun = 0xFF;
}  // namespace

std::string_view VerbList::Keep(std::string_view text) {
  if (text.empty()) return {};
  if (text.size() > left_) {
    const std::size_t bytes = std::max(kBlockBytes, text.size());
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(bytes));
    free_ = blocks_.back().get();
    left_ = bytes;
    blockBytes_ += bytes;
  }
  const std::string_view kept(free_, text.size());
  std::memcpy(free_, text.data(), text.size());
  free_ += text.size();
  left_ -= text.size();
  return kept;
}

void VerbList::StartRun(const VerbText& texts) {
  runs_.push_back({slots_.size(), itemCount_});
  slots_.emplace_back(&verbs_.emplace_back(texts));
}

inline TVerb& VerbList::Place(std::size_t formOffset, std::size_t formSize, bool withAuxiliary, bool irregular,
                              int person, int tense, std::uint8_t verbClass) {
  if (slots_.size() - runs_.back().textsSlot > kLongestRun) StartRun(verbs_.back());
  ++itemCount_;
  const TVerb item(static_cast<std::uint8_t>(slots_.size() - runs_.back().textsSlot),
                   static_cast<std::uint32_t>(formOffset), static_cast<std::uint32_t>(formSize), withAuxiliary,
                   irregular, static_cast<std::uint8_t>(person), static_cast<std::uint8_t>(tense), verbClass);
  return slots_.emplace_back(item).item;
}

void VerbList::AddVerb(std::string_view infinitive, std::string_view translation, std::string_view forms,
                       std::span<const NewItem> items, std::uint8_t verbClass) {
  if (forms.size() > kFormReach) throw std::length_error("a verb's forms are longer than its items can reach");
  for (const NewItem& item : items)
    if (item.formSize > kLongestForm) throw std::length_error("a form is longer than an item can hold");
  const std::string_view keptInfinitive = Keep(infinitive);
  const std::string_view keptTranslation = Keep(translation);
  StartRun({keptInfinitive, keptTranslation, Keep(forms).data()});
  for (const NewItem& item : items)
    Place(item.formOffset, item.formSize, item.withAuxiliary, item.irregular, item.person, item.tense, verbClass);
}

bool VerbList::LastRunTakes(std::string_view form) const {
  if (form.empty()) return true;
  const char* forms = verbs_.back().Forms;
  if (forms == nullptr) return false;
  // Compared as numbers: the form may lie in another block than the verb's forms.
  const auto base = reinterpret_cast<std::uintptr_t>(forms);
  const auto start = reinterpret_cast<std::uintptr_t>(form.data());
  return start >= base && start - base <= kFormReach;
}

TVerb& VerbList::Add(std::string_view infinitive, std::string_view form, bool irregular, int person, int tense,
                     std::string_view translation) {
  if (form.size() > kLongestForm) throw std::length_error("a form is longer than an item can hold");
  const bool sameTexts =
      !runs_.empty() && verbs_.back().Infinitive == infinitive && verbs_.back().Translation == translation;
  if (!sameTexts) StartRun({Keep(infinitive), Keep(translation), nullptr});
  const std::string_view kept = Keep(form);
  if (!kept.empty() && verbs_.back().Forms == nullptr) {
    // The run's first form: its earlier items have empty forms, which any start serves.
    verbs_.back().Forms = kept.data();
  } else if (!LastRunTakes(kept)) {
    VerbText texts = verbs_.back();
    texts.Forms = kept.data();
    StartRun(texts);
  }
  const std::size_t offset = kept.empty() ? 0 : static_cast<std::size_t>(kept.data() - verbs_.back().Forms);
  return Place(offset, kept.size(), false, irregular, person, tense, VerbClassOf(infinitive));
}

const TVerb& VerbList::operator[](std::size_t i) const {
  // The last run that starts at or before item i holds it (runs may be empty).
  const auto run = std::upper_bound(runs_.begin(), runs_.end(), i,
                                    [](std::size_t item, const Run& r) { return item < r.itemsBefore; }) -
                   1;
  return slots_[run->textsSlot + 1 + (i - run->itemsBefore)].item;
}

void VerbList::ReserveMore(std::size_t items, std::size_t verbs) {
  slots_.reserve(slots_.size() + items + verbs);
  runs_.reserve(runs_.size() + verbs);
}

std::size_t VerbList::BytesUsed() const {
  return slots_.capacity() * sizeof(VerbSlot) + runs_.capacity() * sizeof(Run) + verbs_.size() * sizeof(VerbText) +
         blockBytes_ + blocks_.capacity() * sizeof(blocks_[0]);
}

void VerbList::clear() {
  slots_.clear();
  runs_.clear();
  itemCount_ = 0;
  verbs_.clear();
  blocks_.clear();
  blockBytes_ = 0;
  free_ = nullptr;
  left_ = 0;
}

}  // namespace parlavo

#include "verb_list.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace parlavo {

namespace {
// Large enough that the shipped data fills a few dozen blocks, small enough that a
// test list wastes little.
constexpr std::size_t kBlockBytes = 64 * 1024;
}  // namespace

std::string_view VerbList::KeepJoined(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (std::string_view part : parts) size += part.size();
  if (size == 0) return {};
  if (size > left_) {
    const std::size_t bytes = std::max(kBlockBytes, size);
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(bytes));
    free_ = blocks_.back().get();
    left_ = bytes;
    blockBytes_ += bytes;
  }
  const std::string_view kept(free_, size);
  for (std::string_view part : parts) {
    if (part.empty()) continue;  // an empty view may have no data pointer at all
    std::memcpy(free_, part.data(), part.size());
    free_ += part.size();
  }
  left_ -= size;
  return kept;
}

const VerbText& VerbList::AddVerb(std::string_view infinitive, std::string_view translation) {
  const std::string_view keptInfinitive = Keep(infinitive);
  return verbs_.emplace_back(VerbText{keptInfinitive, Keep(translation)});
}

namespace {

bool Reaches(const VerbText& verb, std::string_view form) {
  if (form.empty()) return true;
  if (verb.Forms == nullptr) return false;
  const auto base = reinterpret_cast<std::uintptr_t>(verb.Forms);
  const auto start = reinterpret_cast<std::uintptr_t>(form.data());
  return start >= base && start - base <= kFormReach && form.size() <= kFormReach;
}

}  // namespace

const VerbText& VerbList::Reaching(const VerbText& verb, std::string_view keptForm) {
  if (Reaches(verb, keptForm)) return verb;
  // The verb's first form, or its first in a new block: later items of the verb
  // find this copy at the back and use it while it reaches.
  const VerbText& last = verbs_.back();
  const bool sameTexts =
      last.Infinitive.data() == verb.Infinitive.data() && last.Infinitive.size() == verb.Infinitive.size() &&
      last.Translation.data() == verb.Translation.data() && last.Translation.size() == verb.Translation.size();
  if (sameTexts && Reaches(last, keptForm)) return last;
  if (&last == &verb && verb.Forms == nullptr) {
    // Still the list's own last verb with no form yet: it starts here. Only the
    // list made it, so it may set where its forms begin.
    verbs_.back().Forms = keptForm.data();
    return verbs_.back();
  }
  return verbs_.emplace_back(VerbText{verb.Infinitive, verb.Translation, keptForm.data()});
}

TVerb& VerbList::Add(std::string_view infinitive, std::string_view form, bool irregular, int person, int tense,
                     std::string_view translation) {
  const bool sameVerb =
      !verbs_.empty() && verbs_.back().Infinitive == infinitive && verbs_.back().Translation == translation;
  const VerbText& verb = sameVerb ? verbs_.back() : AddVerb(infinitive, translation);
  const std::string_view kept = Keep(form);
  TVerb& item = items_.emplace_back();
  item.InitVerb(Reaching(verb, kept), kept, irregular, static_cast<std::uint8_t>(person),
                static_cast<std::uint8_t>(tense));
  return item;
}

std::size_t VerbList::BytesUsed() const {
  return items_.capacity() * sizeof(TVerb) + verbs_.size() * sizeof(VerbText) + blockBytes_ +
         blocks_.capacity() * sizeof(blocks_[0]);
}

void VerbList::clear() {
  items_.clear();
  verbs_.clear();
  blocks_.clear();
  blockBytes_ = 0;
  free_ = nullptr;
  left_ = 0;
}

}  // namespace parlavo

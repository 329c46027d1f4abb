// One conjugation item: a verb in one tense and one person, with its form.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace parlavo {

inline constexpr int kTenseCount = 15;
inline constexpr int kPersonCount = 11;
inline constexpr int kItemsPerVerb = 153;  // 13 tenses x 11 + Imperative 9 + Gerund 1

// Tense codes, in item order.
// clang-format off
enum Tense : std::uint8_t {
  kPresent = 1, kSimplePast, kImperfect, kPerfect, kPluperfect, kFuture, kConditional,
  kImperative, kSubjPresent, kSubjImperfect, kSubjPerfect, kSubjPluperfect,
  kCondPerfect, kFuturePerfect, kGerund
};
// clang-format on

// Person codes.
enum Person : std::uint8_t { kYo = 1, kTu, kVos, kEl, kElla, kUsted, kNosotros, kVosotros, kEllos, kEllas, kUstedes };

using PeopleFlags = std::array<bool, 17>;  // slot p-1 selects person p (slots 11..16: saved form only)
using TenseFlags = std::array<bool, 25>;   // slot t-1 selects tense t <= 14, slot 24 the Gerund
using ClassFlags = std::array<bool, 3>;    // -ar, -er, -ir

// The single-verb filter: an infinitive, or empty for any verb.
struct TExtra {
  std::string Verb;
  bool operator==(const TExtra&) const = default;
};

// Display names ("ERROR" for codes outside the tables), Windows-1252.
std::string_view PersonNameOf(int person);
std::string_view TenseNameOf(int tense);

bool IsCompoundTense(int tense);
// Whether the item (tense, person) exists: the Imperative has no Yo or Nosotros,
// the Gerund only person 1.
bool ItemExists(int tense, int person);

// Infinitive without a trailing "se".
std::string_view BaseOf(std::string_view infinitive);
// Last two characters of the base ("ar", "ér"...).
std::string EndingOf(std::string_view infinitive);
// 0 for -ar/-ár, 1 for -er/-ér, 2 for anything else.
std::uint8_t VerbClassOf(std::string_view infinitive);

// What the 153 items of one verb share, kept once per verb rather than once per item.
struct VerbText {
  std::string_view Infinitive;
  std::string_view Translation;
  // Where the forms of its items are kept: an item holds its form as a short offset
  // from here, which keeps an item at 16 bytes (the list holds 173,000 of them).
  const char* Forms = nullptr;
};

// How far an item's form may lie from its verb's Forms, and how long it may be.
inline constexpr std::size_t kFormReach = 0xFFFF;

// An item refers to its texts instead of owning them: the verb item list keeps every
// text once (verb_list.h), so an item is a few words and the load allocates no
// string per item.
class TVerb {
 public:
  TVerb() { ResetVerb(); }
  TVerb(const VerbText& verb, std::string_view form, bool irregular, std::uint8_t person, std::uint8_t tense,
        std::uint8_t verbClass) {
    InitVerb(verb, form, irregular, person, tense, verbClass);
  }

  void ResetVerb();
  // The item refers to `verb` and `form` without copying them, so both must outlive
  // it; VerbList::Add keeps its own copy of the texts. `form` must be empty or lie
  // within kFormReach bytes after verb.Forms (VerbList sees to it). VerbClass
  // follows the infinitive.
  void InitVerb(const VerbText& verb, std::string_view form, bool irregular, std::uint8_t person, std::uint8_t tense);
  // The same with the class already known, for the loader's 153 items per verb.
  void InitVerb(const VerbText& verb, std::string_view form, bool irregular, std::uint8_t person, std::uint8_t tense,
                std::uint8_t verbClass) {
    verb_ = &verb;
    formOffset_ = form.empty() ? 0 : static_cast<std::uint16_t>(form.data() - verb.Forms);
    formSize_ = static_cast<std::uint16_t>(form.size());
    Irregular = irregular;
    Person = person;
    Tense = tense;
    VerbClass = verbClass;
  }

  // The verb as written in its header line, "se" included.
  std::string_view Infinitive() const { return verb_->Infinitive; }
  // The full answer: for a compound tense the auxiliary, a blank and the participle.
  std::string_view Form() const { return {verb_->Forms + formOffset_, formSize_}; }
  // The English translation from the header line.
  std::string_view Translation() const { return verb_->Translation; }

  std::string_view PersonName() const { return PersonNameOf(Person); }
  std::string_view TenseName() const { return TenseNameOf(Tense); }
  std::string Ending() const { return EndingOf(Infinitive()); }

  // Person name and tab (a tab alone for the Gerund), the form, and for an
  // irregular item a tab and "(Irregular)".
  std::string DisplayLine() const;
  // Form,Infinitive,Person,Tense,Irregular(1/0),number
  std::string ResultLine(int number) const;

  bool MatchesFilter(const PeopleFlags& people, const TenseFlags& tenses, const ClassFlags& classes, int irregMode,
                     const TExtra& extra) const;

 private:
  const VerbText* verb_;
  std::uint16_t formOffset_;
  std::uint16_t formSize_;

 public:
  bool Irregular;
  std::uint8_t Person;
  std::uint8_t Tense;
  std::uint8_t VerbClass;
};

static_assert(sizeof(TVerb) == 16, "an item is two words: the list holds 173,000 of them");

}  // namespace parlavo

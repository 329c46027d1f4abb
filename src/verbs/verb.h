// One conjugation item: a verb in one tense and one person, with its form.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text.h"

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
// The form of haber that opens a compound tense's forms for a person ("" for a
// tense that is not compound or a person outside 1..11).
std::string_view CompoundAuxiliary(int tense, int person);
// Whether the item (tense, person) exists: the Imperative has no Yo or Nosotros,
// the Gerund only person 1.
bool ItemExists(int tense, int person);

// Infinitive without a trailing "se".
std::string_view BaseOf(std::string_view infinitive);
// Last two characters of the base ("ar", "ér"...).
std::string EndingOf(std::string_view infinitive);
// 0 for -ar/-ár, 1 for -er/-ér, 2 for anything else.
std::uint8_t VerbClassOf(std::string_view infinitive);

// What the items of one verb share, kept once per verb rather than once per item.
struct VerbText {
  std::string_view Infinitive;
  std::string_view Translation;
  // Where the forms of the verb's items are kept: an item holds its form as an
  // offset from here.
  const char* Forms = nullptr;
};

// How far an item's form may lie from its verb's Forms, and how long it may be.
inline constexpr std::size_t kFormReach = (std::size_t{1} << 19) - 1;
inline constexpr std::size_t kLongestForm = (std::size_t{1} << 12) - 1;

union VerbSlot;

// An item is eight bytes (the list holds 173,000 of them), so it holds no pointer:
// a VerbList keeps each verb's texts in a slot before its items, and an item finds
// them `back_` slots before its own. Items therefore live in a VerbList and are never
// copied out of it; one made on its own belongs to no verb and reads "ERROR".
class TVerb {
 public:
  TVerb() { ResetVerb(); }

  // Back to an item of no verb.
  void ResetVerb();

  // The verb as written in its header line, "se" included.
  std::string_view Infinitive() const { return Verb().Infinitive; }
  // The full answer: for a compound tense the auxiliary, a blank and the participle.
  std::string Form() const;
  // The same, added to `out` (no allocation when `out` has room).
  void AppendForm(std::string& out) const;
  // The English translation from the header line.
  std::string_view Translation() const { return Verb().Translation; }

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
  friend union VerbSlot;  // holds items and copies them when the list grows
  friend class VerbList;  // places items after their verb
  TVerb(const TVerb&) = default;
  TVerb& operator=(const TVerb&) = default;
  // An item `back` slots after its verb's texts, its form at `formOffset` of them.
  TVerb(std::uint8_t back, std::uint32_t formOffset, std::uint32_t formSize, bool withAuxiliary, bool irregular,
        std::uint8_t person, std::uint8_t tense, std::uint8_t verbClass)
      : formOffset_(formOffset & kFormReach),
        withAuxiliary_(withAuxiliary),
        formSize_(formSize & kLongestForm),
        back_(back),
        Person(person),
        Tense(tense),
        Irregular(irregular),
        VerbClass(verbClass & 3) {}

  inline const VerbText& Verb() const;
  // What the item keeps of its form (without the auxiliary when withAuxiliary_).
  std::string_view KeptForm() const { return {Verb().Forms + formOffset_, formSize_}; }

  std::uint32_t formOffset_ : 19;
  // A compound form keeps only its participle, which all its persons share; the
  // auxiliary follows from tense and person.
  std::uint32_t withAuxiliary_ : 1;
  std::uint32_t formSize_ : 12;
  std::uint8_t back_;  // slots back to the verb's texts; 0 for no verb

 public:
  std::uint8_t Person;
  std::uint8_t Tense;
  bool Irregular : 1;
  std::uint8_t VerbClass : 2;
};

static_assert(sizeof(TVerb) == 8, "an item is one word: the list holds 173,000 of them");

// One place in a VerbList: the texts of a verb, or one of the items that follow them.
union VerbSlot {
  explicit VerbSlot(const VerbText* texts) : verb(texts) {}
  explicit VerbSlot(const TVerb& one) : item(one) {}

  const VerbText* verb;
  TVerb item;
};

static_assert(sizeof(VerbSlot) == sizeof(TVerb));

// What an item of no verb refers to.
inline constexpr VerbText kNoVerb{kError, kError, kError.data()};

inline const VerbText& TVerb::Verb() const {
  if (back_ == 0) return kNoVerb;
  // An item and the slot holding it share one address.
  return *(reinterpret_cast<const VerbSlot*>(this) - back_)->verb;
}

}  // namespace parlavo

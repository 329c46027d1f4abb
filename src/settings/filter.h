// The criteria of a test, and the saved form of the Advanced page.
#pragma once

#include <cstdint>

#include "verb.h"

namespace parlavo {

// Which verbs a test takes by regularity (the filter's `Irreg`).
enum IrregMode : std::uint8_t { kRegularOnly = 0, kIrregularOnly = 1, kRegularAndIrregular = 2 };

// Places in the flag arrays; the settings file stores the arrays by place, so these
// never move.
inline constexpr int kGerundSlot = 24;
// The Tenses slot of a tense code (1..14 at 0..13, the Gerund at kGerundSlot).
constexpr int TenseSlot(int tenseCode) { return tenseCode == kGerund ? kGerundSlot : tenseCode - 1; }
// The Advanced page's three radio buttons (All, Common, Specific), in that order.
inline constexpr int kFirstPeopleRadioSlot = 11;
inline constexpr int kFirstTenseRadioSlot = 14;
inline constexpr int kSpecificPeopleRadioSlot = kFirstPeopleRadioSlot + 2;
// The ticks of the common groups of persons and of tenses.
inline constexpr int kFirstCommonPeopleSlot = 14;
inline constexpr int kFirstCommonTenseSlot = 17;

// The filter the Advanced page holds, kept in the settings under this name and
// first in the MULTI test list.
inline constexpr const char* kCurrentFilterName = "Current Filter";

struct TFilter {
  PeopleFlags People{};  // 0..10 person codes 1..11; 11..13 radio buttons; 14..16 common groups
  TenseFlags Tenses{};   // 0..13 tense codes 1..14; 14..16 radio buttons; 17..23 common groups; 24 Gerund
  ClassFlags Verbs{};    // -ar, -er, -ir
  std::uint8_t Irreg = kRegularAndIrregular;  // an IrregMode
  TExtra Extra;

  bool operator==(const TFilter&) const = default;
};

// Every slot of People, Tenses and Verbs set to `value`; Irreg 2 when true, 1 when
// false; Extra empty.
TFilter ResetFilter(bool value);

}  // namespace parlavo

// The criteria of a test, and the saved form of the Advanced page.
#pragma once

#include <cstdint>

#include "verb.h"

namespace parlavo {

struct TFilter {
  PeopleFlags People{};  // 0..10 person codes 1..11; 11..13 radio buttons; 14..16 common groups
  TenseFlags Tenses{};   // 0..13 tense codes 1..14; 14..16 radio buttons; 17..23 common groups; 24 Gerund
  ClassFlags Verbs{};    // -ar, -er, -ir
  std::uint8_t Irreg = 2;  // 0 regular only, 1 irregular only, 2 both
  TExtra Extra;

  bool operator==(const TFilter&) const = default;
};

// Every slot of People, Tenses and Verbs set to `value`; Irreg 2 when true, 1 when
// false; Extra empty.
TFilter ResetFilter(bool value);

}  // namespace parlavo

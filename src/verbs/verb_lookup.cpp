#include "verb_lookup.h"

#include "text.h"

namespace parlavo {

std::string FindInfinitive(const VerbList& items, std::string_view typed) {
  const std::string wanted = Trim(typed);
  if (wanted.empty()) return {};
  std::string_view last;  // items come 153 to a verb: compare each infinitive once
  for (const TVerb& item : items) {
    if (item.Infinitive() == last) continue;
    last = item.Infinitive();
    if (EqualsIgnoringCase(last, wanted)) return std::string(last);
  }
  return {};
}

}  // namespace parlavo

// Finding a verb by the name a learner types.
#pragma once

#include <string>
#include <string_view>

#include "verb_list.h"

namespace parlavo {

// The infinitive, as the data holds it, of the first item whose infinitive equals
// `typed` once `typed` is trimmed, ignoring case ("Hablar", " hablar " find
// "hablar"); "" when none does.
std::string FindInfinitive(const VerbList& items, std::string_view typed);

}  // namespace parlavo

// Items a verb keeps (every verb has its 153, and the conjugator lists them) but
// that no test asks, because speakers do not use them: soler has no future,
// conditional or imperative, and haber is never given as a command.
#pragma once

#include <string_view>

#include "verb.h"

namespace parlavo {

struct UnusedTense {
  std::string_view infinitive;  // Windows-1252, as in the items
  Tense tense;                  // every person of it
};

inline constexpr UnusedTense kUnusedTenses[] = {
    // clang-format off
    {"soler", kFuture},   {"soler", kConditional}, {"soler", kImperative},
    {"haber", kImperative},
    // clang-format on
};

// Whether the item is one of the unused ones above: selection leaves it out, the
// conjugator marks it "(rare)".
bool IsUnusedItem(std::string_view infinitive, int tense);

}  // namespace parlavo

#include "unused_items.h"

namespace parlavo {

bool IsUnusedItem(std::string_view infinitive, int tense) {
  for (const UnusedTense& unused : kUnusedTenses)
    if (unused.tense == tense && unused.infinitive == infinitive) return true;
  return false;
}

}  // namespace parlavo

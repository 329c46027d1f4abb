// The two listings of the whole verb database: "AllVerbs.txt" and "SpecialVerbs.txt".
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "verb_list.h"

namespace parlavo {

// Readable listing: one block per infinitive of `infinitives` (the conjugator's
// verb list, file order); a repeated infinitive gets one block, at its first place,
// with the items of every copy.
void WriteAllVerbs(std::ostream& out, const std::vector<std::string>& infinitives, const VerbList& items);
// One quoted comma-separated line per item, after a header line.
void WriteSpecialVerbs(std::ostream& out, const VerbList& items);

}  // namespace parlavo

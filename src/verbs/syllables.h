// Orthographic syllable count of a Spanish word, for the spelling rule that a
// word of one syllable carries no written accent (das, ves, crias, hui).
#pragma once

#include <string>
#include <string_view>

namespace parlavo {

// True when the Windows-1252 word has exactly one vowel nucleus, counted the
// way spelling counts it: a, e, o are strong and i, u, ü weak; two strong
// vowels, or an accented í/ú beside a strong one, are two nuclei; any other
// pair of vowels is one. A silent u (gue, gui, que, qui) is no vowel, and a
// final y is a weak one.
bool IsSingleSyllable(std::string_view cp1252Word);

// Replaces the last accented vowel (á é í ó ú, either case) by its plain letter.
void DropLastAccent(std::string& cp1252Word);

}  // namespace parlavo

// One line of "Results.txt" read without copying: the fields of the line as views
// into it, the numbers converted. Every reader of many lines starts here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace parlavo {

struct ResultFields {
  std::string_view answer;  // the form asked
  std::string_view infinitive;
  std::int32_t person = 0;
  std::int32_t tense = 0;
  std::int32_t irregular = 0;
  std::int32_t score = 0;
  std::int32_t seconds = 0;
};

// Seven fields per round of the token reader, repeated while the line has text (a
// blank line gives all zeros; a longer line starts another record over the first).
// Fails with "'%s' is not a valid integer value" for a bad field 3 to 7, where a
// missing field is the empty text. The views point into `line`.
bool ParseResultFields(std::string_view line, ResultFields& out, std::string& error);

// The same for readers that skip a bad line rather than report it.
inline bool ParseResultFields(std::string_view line, ResultFields& out) {
  std::string ignored;
  return ParseResultFields(line, out, ignored);
}

}  // namespace parlavo

#include "result_line.h"

#include "number_text.h"
#include "token_reader.h"

namespace parlavo {

bool ParseResultFields(std::string_view line, ResultFields& out, std::string& error) {
  out = ResultFields{};
  std::string_view rest = line;
  auto integer = [&](std::int32_t& field) {
    const std::string_view token = NextTokenView(rest, ',');
    const auto value = ParseInteger(token);
    if (!value) {
      error = "'" + std::string(token) + "' is not a valid integer value";
      return false;
    }
    field = *value;
    return true;
  };
  while (!rest.empty()) {
    out.answer = NextTokenView(rest, ',');
    out.infinitive = NextTokenView(rest, ',');
    if (!integer(out.person) || !integer(out.tense) || !integer(out.irregular) || !integer(out.score) ||
        !integer(out.seconds))
      return false;
  }
  return true;
}

}  // namespace parlavo

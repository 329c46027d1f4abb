#include "token_reader.h"

#include "text.h"

namespace parlavo {

std::string TokenReader::NextToken(char separator) {
  std::string_view rest = Buffer;
  std::string trimmed = Trim(rest);
  rest = trimmed;
  if (!rest.empty() && rest.front() == separator) rest.remove_prefix(1);
  const std::size_t cut = rest.find(separator);
  std::string token;
  if (cut == std::string_view::npos) {
    token = Trim(rest);
    Buffer.clear();
  } else {
    token = Trim(rest.substr(0, cut));
    Buffer = Trim(rest.substr(cut + 1));
  }
  return token;
}

}  // namespace parlavo

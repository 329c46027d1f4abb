#include "token_reader.h"

#include "text.h"

namespace parlavo {

std::string_view NextTokenView(std::string_view& rest, char separator) {
  std::string_view text = TrimmedView(rest);
  if (!text.empty() && text.front() == separator) text.remove_prefix(1);
  const std::size_t cut = text.find(separator);
  if (cut == std::string_view::npos) {
    rest = {};
    return TrimmedView(text);
  }
  rest = TrimmedView(text.substr(cut + 1));
  return TrimmedView(text.substr(0, cut));
}

std::string TokenReader::NextToken(char separator) {
  std::string_view rest = Buffer;
  const std::string token(NextTokenView(rest, separator));
  Buffer = std::string(rest);
  return token;
}

}  // namespace parlavo

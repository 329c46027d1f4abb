// The comma-list reader shared by the settings store and the results file.
#pragma once

#include <string>
#include <string_view>

namespace parlavo {

class TokenReader {
 public:
  // The unread rest of the text being walked; callers load it directly.
  std::string Buffer;

  bool HasMoreTokens() const { return !Buffer.empty(); }

  // Takes the next item: the buffer is trimmed, ONE leading separator is dropped,
  // the token runs to the next separator and the buffer keeps the trimmed rest.
  // So "a,,b" yields a, b while "a,,,b" yields a, "", b. Returns the token trimmed;
  // an empty buffer yields "".
  std::string NextToken(char separator);
};

// The same rule over a view, for readers of many lines that copy nothing: takes
// the next token from `rest` and leaves the trimmed remainder there.
std::string_view NextTokenView(std::string_view& rest, char separator);

}  // namespace parlavo

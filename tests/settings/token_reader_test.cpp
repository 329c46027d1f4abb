#include "token_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace parlavo {
namespace {

std::vector<std::string> AllTokens(std::string text, char separator = ',') {
  TokenReader reader{std::move(text)};
  std::vector<std::string> tokens;
  while (reader.HasMoreTokens()) tokens.push_back(reader.NextToken(separator));
  return tokens;
}

struct TokenCase {
  const char* text;
  std::vector<std::string> tokens;
};

TEST(TokenReader, WalksListsTheWayTheFilesAreRead) {
  const TokenCase cases[] = {
      // clang-format off
      {"", {}},
      {"   ", {""}},                                      // blanks are not yet an empty buffer
      {"True,False", {"True", "False"}},
      {"True, False", {"True", "False"}},               // blanks after commas vanish
      {"  a  ,  b  ", {"a", "b"}},
      {",True", {"True"}},                               // one leading separator dropped
      {"a,,b", {"a", "b"}},                              // two in a row count as one
      {"a,,,b", {"a", "", "b"}},                         // three yield an empty token
      {"a,", {"a"}},
      {"a,b,", {"a", "b"}},
      {"\tx\r\n", {"x"}},                                // every code up to 32 is a blank
      {"\xC9l,\xC1rbol", {"\xC9l", "\xC1rbol"}},
      // clang-format on
  };
  for (const TokenCase& c : cases) EXPECT_EQ(AllTokens(c.text), c.tokens) << '"' << c.text << '"';
}

TEST(TokenReader, EmptyBufferYieldsEmptyTokenAndStaysEmpty) {
  TokenReader reader;
  EXPECT_EQ(reader.NextToken(','), "");
  EXPECT_FALSE(reader.HasMoreTokens());
}

TEST(TokenReader, KeepsTheTrimmedRestForTheNextCaller) {
  TokenReader reader{"one ,  two , three"};
  EXPECT_EQ(reader.NextToken(','), "one");
  EXPECT_EQ(reader.Buffer, "two , three");
  EXPECT_EQ(reader.NextToken(';'), "two , three");  // another separator takes it all
  EXPECT_FALSE(reader.HasMoreTokens());
}

}  // namespace
}  // namespace parlavo

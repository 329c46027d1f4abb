#include "text.h"

#include <gtest/gtest.h>

namespace parlavo {
namespace {

TEST(Trim, RemovesEveryCodeUpTo32FromBothEnds) {
  EXPECT_EQ(Trim(" \t\r\n hola \x01\x1F "), "hola");
  EXPECT_EQ(Trim("  \t "), "");
  EXPECT_EQ(Trim("a b"), "a b");
  // Bytes above 127 are letters, never blanks.
  EXPECT_EQ(Trim("\xA0\xE1 "), "\xA0\xE1");
  std::string s = "\t x y \r\n";
  TrimInPlace(s);
  EXPECT_EQ(s, "x y");
}

TEST(UpperAZ, TouchesOnlyAsciiLetters) {
  EXPECT_EQ(UpperAZ("est\xE1 hablar"), "EST\xE1 HABLAR");
  EXPECT_TRUE(EqualsUpperAZ("hablar", "HABLAR"));
  EXPECT_FALSE(EqualsUpperAZ("est\xE1", "EST\xC1"));
  EXPECT_FALSE(EqualsUpperAZ("habla", "hablar"));
}

TEST(IgnoringCase, FoldsAccentedLettersToo) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
  };
  const Case cases[] = {
      {"est\xE1", "EST\xC1", 0},  // á / Á
      {"ni\xF1o", "NI\xD1O", 0},  // ñ / Ñ
      {"\x9A\x9C\x9E\xFF", "\x8A\x8C\x8E\x9F", 0},
      {"\xF7", "\xD7", 1},  // division and multiplication signs are no letters
      {"abc", "abd", -1},
      {"ab", "abc", -1},
      {"b", "A", 1},
  };
  for (const Case& c : cases) {
    const int r = CompareIgnoringCase(c.a, c.b);
    EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
    EXPECT_EQ(EqualsIgnoringCase(c.a, c.b), c.sign == 0);
  }
}

TEST(Codepage, TableRoundTripsEveryDefinedByte) {
  for (int b = 0; b < 256; ++b) {
    const char32_t cp = Cp1252ToUnicode(static_cast<unsigned char>(b));
    if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) {
      EXPECT_EQ(cp, 0xFFFDu);
      continue;
    }
    ASSERT_TRUE(UnicodeToCp1252(cp).has_value()) << b;
    EXPECT_EQ(*UnicodeToCp1252(cp), b);
  }
  EXPECT_EQ(Cp1252ToUnicode(0x80), 0x20ACu);
  EXPECT_FALSE(UnicodeToCp1252(0x0101).has_value());
  EXPECT_FALSE(UnicodeToCp1252(0x81).has_value());  // C1 control without a Windows-1252 byte
}

TEST(Codepage, Utf8ConversionBothWays) {
  EXPECT_EQ(Cp1252ToUtf8("T\xFA \x80"), "T\xC3\xBA \xE2\x82\xAC");
  EXPECT_EQ(Utf8ToCp1252("and\xC3\xA1 \xE2\x82\xAC"), std::optional<std::string>("and\xE1 \x80"));

  struct Bad {
    std::string text;
    std::size_t offset;
  };
  const Bad bad[] = {
      {"ab\xC4\x81", 2},        // a with macron: not in Windows-1252
      {"x\xC3", 1},             // truncated sequence
      {"\xC0\xAF", 0},          // overlong
      {"ok\xED\xA0\x80", 2},    // surrogate
      {"\xF0\x9F\x98\x80", 0},  // emoji
      {"a\x80", 1},             // stray continuation byte
  };
  for (const Bad& b : bad) {
    std::size_t offset = 99;
    EXPECT_FALSE(Utf8ToCp1252(b.text, &offset).has_value()) << b.text;
    EXPECT_EQ(offset, b.offset) << b.text;
  }
}

}  // namespace
}  // namespace parlavo

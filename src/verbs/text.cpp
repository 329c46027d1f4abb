#include "text.h"

#include <array>

namespace parlavo {

namespace {

bool IsTrimmed(unsigned char c) { return c <= 32; }

// Bytes 0x80..0x9F are where Windows-1252 differs from Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                                    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

// Folds a-z and the accented lower-case letters of Windows-1252 onto their capitals.
constexpr std::array<unsigned char, 256> MakeFoldTable() {
  std::array<unsigned char, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
  for (int c = 'a'; c <= 'z'; ++c) t[c] = static_cast<unsigned char>(c - 32);
  for (int c = 0xE0; c <= 0xFE; ++c)
    if (c != 0xF7) t[c] = static_cast<unsigned char>(c - 32);  // 0xF7 is the division sign
  // clang-format off
  t[0x9A] = 0x8A;  // š
  t[0x9C] = 0x8C;  // œ
  t[0x9E] = 0x8E;  // ž
  t[0xFF] = 0x9F;  // ÿ
  // clang-format on
  return t;
}
constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

unsigned char UpperAZByte(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 32 : c; }

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 when it is malformed
// (truncated, overlong, surrogate or beyond U+10FFFF).
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& cp) {
  const unsigned char b0 = static_cast<unsigned char>(text[i]);
  std::size_t len;
  char32_t min;
  // clang-format off
  if (b0 < 0x80) { cp = b0; return 1; }
  if ((b0 & 0xE0) == 0xC0) { len = 2; cp = b0 & 0x1F; min = 0x80; }
  else if ((b0 & 0xF0) == 0xE0) { len = 3; cp = b0 & 0x0F; min = 0x800; }
  else if ((b0 & 0xF8) == 0xF0) { len = 4; cp = b0 & 0x07; min = 0x10000; }
  else return 0;
  // clang-format on
  if (i + len > text.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    const unsigned char b = static_cast<unsigned char>(text[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

}  // namespace

std::string Trim(std::string_view text) { return std::string(TrimmedView(text)); }

std::string_view TrimmedView(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsTrimmed(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && IsTrimmed(static_cast<unsigned char>(text[end - 1]))) --end;
  return text.substr(begin, end - begin);
}

void TrimInPlace(std::string& text) {
  std::size_t end = text.size();
  while (end > 0 && IsTrimmed(static_cast<unsigned char>(text[end - 1]))) --end;
  text.resize(end);
  std::size_t begin = 0;
  while (begin < end && IsTrimmed(static_cast<unsigned char>(text[begin]))) ++begin;
  if (begin > 0) text.erase(0, begin);
}

std::string UpperAZ(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(UpperAZByte(static_cast<unsigned char>(c)));
  return out;
}

bool EqualsUpperAZ(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (UpperAZByte(static_cast<unsigned char>(a[i])) != UpperAZByte(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareIgnoringCase(a, b) == 0;
}

int CompareIgnoringCase(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const int x = kFold[static_cast<unsigned char>(a[i])];
    const int y = kFold[static_cast<unsigned char>(b[i])];
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

char32_t Cp1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

std::optional<unsigned char> UnicodeToCp1252(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<unsigned char>(code);
  if (code == 0xFFFD) return std::nullopt;
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == code) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) AppendUtf8(out, Cp1252ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8, std::size_t* badOffset) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp = 0;
    const std::size_t len = DecodeUtf8(utf8, i, cp);
    const std::optional<unsigned char> byte = len ? UnicodeToCp1252(cp) : std::nullopt;
    if (!byte) {
      if (badOffset) *badOffset = i;
      return std::nullopt;
    }
    out += static_cast<char>(*byte);
    i += len;
  }
  return out;
}

}  // namespace parlavo

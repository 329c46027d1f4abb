#include "oem_code_page.h"

#include <langinfo.h>

#include <cctype>
#include <charconv>
#include <string>

namespace parlavo {

namespace {

// Upper case without '-' and '_', so "utf8", "UTF-8" and "Utf_8" compare equal.
std::string Canonical(std::string_view charset) {
  std::string out;
  for (char c : charset)
    if (c != '-' && c != '_') out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

bool StartsWith(const std::string& text, std::string_view prefix) { return text.rfind(prefix, 0) == 0; }

int NumberAfter(const std::string& text, std::size_t start) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size() ? number : 0;
}

}  // namespace

int OemCodePageOfCharset(std::string_view charset) {
  const std::string name = Canonical(charset);
  if (name.empty() || name == "ANSIX3.41968" || name == "ASCII" || name == "USASCII" || name == "646") return 437;
  if (name == "UTF8" || name == "ISO88591" || name == "ISO885915" || name == "CP1252" || name == "WINDOWS1252" ||
      name == "LATIN1")
    return 850;
  if (StartsWith(name, "ISO8859")) {
    const int part = NumberAfter(name, 7);
    return part > 0 ? 28590 + part : 0;  // Windows numbers ISO-8859-n as 28590 + n
  }
  if (StartsWith(name, "WINDOWS")) return NumberAfter(name, 7);
  if (StartsWith(name, "CP") || StartsWith(name, "IBM")) return NumberAfter(name, StartsWith(name, "CP") ? 2 : 3);
  if (name == "KOI8R") return 20866;
  if (name == "KOI8U") return 21866;
  if (name == "SHIFTJIS" || name == "SJIS") return 932;
  if (name == "GB2312" || name == "GBK" || name == "EUCCN") return 936;
  if (name == "EUCKR") return 949;
  if (name == "BIG5") return 950;
  if (name == "EUCJP") return 20932;
  if (name == "GB18030") return 54936;
  return 0;
}

int CurrentOemCodePage() { return OemCodePageOfCharset(nl_langinfo(CODESET)); }

}  // namespace parlavo

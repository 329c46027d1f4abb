// Text helpers for Windows-1252 byte strings, the only text the core holds.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace parlavo {

// The text that stands for "no value" everywhere: unset fields, missing forms,
// codes out of range.
inline constexpr std::string_view kError = "ERROR";

// Removes every byte of code 32 or less (blanks, tabs, CR, LF...) from both ends.
std::string Trim(std::string_view text);
std::string_view TrimmedView(std::string_view text);
void TrimInPlace(std::string& text);

// Upper-cases the letters a-z only; accented letters stay as they are.
std::string UpperAZ(std::string_view text);

// True when both texts are equal once a-z are upper-cased on both sides.
bool EqualsUpperAZ(std::string_view a, std::string_view b);

// True when both texts are equal ignoring the case of a-z and of the accented
// Windows-1252 letters (the way the results index compares answers).
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
int CompareIgnoringCase(std::string_view a, std::string_view b);

// Windows-1252 <-> Unicode. Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no character;
// they map to U+FFFD.
char32_t Cp1252ToUnicode(unsigned char byte);
std::optional<unsigned char> UnicodeToCp1252(char32_t code);

std::string Cp1252ToUtf8(std::string_view text);
// Converts UTF-8 to Windows-1252. On a character Windows-1252 lacks (or broken
// UTF-8) returns nothing and sets *badOffset to the byte offset of the offender.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8, std::size_t* badOffset = nullptr);

}  // namespace parlavo

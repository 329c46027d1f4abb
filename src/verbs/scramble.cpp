#include "scramble.h"

#include <array>
#include <cstdint>

namespace parlavo {

namespace {

// Stored 0x1A ends a text-mode read, so plain 0x1A is the only byte stored as
// 0x1A; every other byte goes to a fixed shuffle of the remaining 255 values.
constexpr unsigned char kEndOfFile = 0x1A;

constexpr std::array<unsigned char, 256> MakeScrambleTable() {
  std::array<unsigned char, 255> pool{};
  std::size_t n = 0;
  for (int v = 0; v < 256; ++v)
    if (v != kEndOfFile) pool[n++] = static_cast<unsigned char>(v);
  // Fisher-Yates with a fixed linear congruential sequence: the same table on every build.
  std::uint32_t state = 0x50A7C0DEu;
  for (std::size_t i = pool.size() - 1; i > 0; --i) {
    state = state * 1664525u + 1013904223u;
    const std::size_t j = (state >> 8) % (i + 1);
    const unsigned char tmp = pool[i];
    pool[i] = pool[j];
    pool[j] = tmp;
  }
  std::array<unsigned char, 256> table{};
  n = 0;
  for (int v = 0; v < 256; ++v) table[v] = v == kEndOfFile ? kEndOfFile : pool[n++];
  return table;
}

constexpr std::array<unsigned char, 256> Invert(const std::array<unsigned char, 256>& t) {
  std::array<unsigned char, 256> inverse{};
  for (int v = 0; v < 256; ++v) inverse[t[v]] = static_cast<unsigned char>(v);
  return inverse;
}

constexpr std::array<unsigned char, 256> kScramble = MakeScrambleTable();
constexpr std::array<unsigned char, 256> kUnscramble = Invert(kScramble);

std::string Map(std::string_view text, const std::array<unsigned char, 256>& table) {
  std::string out(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) out[i] = static_cast<char>(table[static_cast<unsigned char>(text[i])]);
  return out;
}

}  // namespace

unsigned char ScrambleByte(unsigned char plain) { return kScramble[plain]; }
unsigned char UnscrambleByte(unsigned char stored) { return kUnscramble[stored]; }
std::string Scramble(std::string_view plain) { return Map(plain, kScramble); }
std::string Unscramble(std::string_view stored) { return Map(stored, kUnscramble); }

}  // namespace parlavo

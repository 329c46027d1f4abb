#include "syllables.h"

#include <cstddef>

namespace parlavo {

namespace {

// Written by hand: the rule is a few lines and no packaged library counts
// Spanish spelling syllables on Windows-1252 bytes.
enum class Vowel { kNone, kStrong, kWeak, kAccentedWeak };

// The plain letter of an accented vowel, or 0.
char PlainOf(unsigned char c) {
  switch (c) {
    case 0xE1: return 'a';
    case 0xE9: return 'e';
    case 0xED: return 'i';
    case 0xF3: return 'o';
    case 0xFA: return 'u';
    case 0xC1: return 'A';
    case 0xC9: return 'E';
    case 0xCD: return 'I';
    case 0xD3: return 'O';
    case 0xDA: return 'U';
    default: return 0;
  }
}

char Lower(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char>(c + 0x20);
  return static_cast<char>(c);
}

bool IsLetter(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

bool IsFrontVowel(unsigned char c) {
  const auto l = static_cast<unsigned char>(Lower(c));
  return l == 'e' || l == 'i' || l == 0xE9 || l == 0xED;
}

Vowel VowelAt(std::string_view word, std::size_t i) {
  const auto c = static_cast<unsigned char>(Lower(static_cast<unsigned char>(word[i])));
  switch (c) {
    // clang-format off
    case 'a': case 'e': case 'o': case 0xE1: case 0xE9: case 0xF3:
      return Vowel::kStrong;
    case 0xED: case 0xFA:
      return Vowel::kAccentedWeak;
    case 'i': case 0xFC:
      return Vowel::kWeak;
    // clang-format on
    case 'u': {
      // The u of gue, gui, que, qui only marks the sound of the consonant.
      const bool afterGQ = i > 0 && (Lower(static_cast<unsigned char>(word[i - 1])) == 'g' ||
                                     Lower(static_cast<unsigned char>(word[i - 1])) == 'q');
      const bool beforeFront = i + 1 < word.size() && IsFrontVowel(static_cast<unsigned char>(word[i + 1]));
      return afterGQ && beforeFront ? Vowel::kNone : Vowel::kWeak;
    }
    case 'y': {
      const bool wordEnd = i + 1 == word.size() || !IsLetter(static_cast<unsigned char>(word[i + 1]));
      return wordEnd ? Vowel::kWeak : Vowel::kNone;
    }
    default: return Vowel::kNone;
  }
}

// Hiatus: two strong vowels, or an accented weak one beside a strong one.
bool SplitsNuclei(Vowel a, Vowel b) {
  const bool strongA = a == Vowel::kStrong, strongB = b == Vowel::kStrong;
  return (strongA && strongB) || (strongA && b == Vowel::kAccentedWeak) || (a == Vowel::kAccentedWeak && strongB);
}

}  // namespace

bool IsSingleSyllable(std::string_view cp1252Word) {
  int nuclei = 0;
  Vowel previous = Vowel::kNone;
  for (std::size_t i = 0; i < cp1252Word.size(); ++i) {
    const Vowel v = VowelAt(cp1252Word, i);
    if (v != Vowel::kNone && (previous == Vowel::kNone || SplitsNuclei(previous, v))) {
      if (++nuclei > 1) return false;
    }
    previous = v;
  }
  return nuclei == 1;
}

void DropLastAccent(std::string& cp1252Word) {
  for (std::size_t i = cp1252Word.size(); i-- > 0;) {
    if (const char plain = PlainOf(static_cast<unsigned char>(cp1252Word[i]))) {
      cp1252Word[i] = plain;
      return;
    }
  }
}

}  // namespace parlavo

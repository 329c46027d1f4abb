#include <gtest/gtest.h>

#include <string>

#include "syllables.h"

namespace parlavo {
namespace {

TEST(IsSingleSyllable, CountsSpellingNuclei) {
  struct Case {
    const char* word;
    bool single;
    const char* why;
  };
  const Case cases[] = {
      {"d\xE1s", true, "one vowel"},
      {"v\xE9", true, "one vowel"},
      {"cri\xE1s", true, "unaccented weak + strong is a diphthong"},
      {"fi\xE1s", true, "diphthong"},
      {"gui\xE1s", true, "u of gui is silent"},
      {"gui\xE1", true, "u of gui is silent"},
      {"flu\xEDs", true, "weak + weak is one nucleus even when accented"},
      {"hu\xED", true, "h is no break and ui is one nucleus"},
      {"ui", true, "weak + weak"},
      {"iu", true, "weak + weak"},
      {"buey", true, "final y is weak: triphthong"},
      {"Uruguay", false, "three nuclei"},
      {"hoy", true, "final y joins the vowel"},
      {"CRI\xC1S", true, "upper case"},
      {"habl\xE1s", false, "two groups"},
      {"am\xE1s", false, "two groups"},
      {"le\xE9s", false, "strong + strong is a hiatus"},
      {"ca\xE9s", false, "hiatus"},
      {"o\xEDs", false, "accented weak beside strong is a hiatus"},
      {"re\xEDs", false, "hiatus"},
      {"fre\xEDs", false, "hiatus"},
      {"\xFAo", false, "accented weak before strong"},
      {"ois", true, "unaccented weak joins the strong vowel"},
      {"ayer", false, "y inside a word is a consonant"},
      {"y", true, "a lone final y"},
      {"guerra", false, "two groups behind the silent u"},
      {"que", true, "u of que is silent"},
      {"g\xFC\xE9", true, "u with diaeresis is a sounded weak vowel"},
      {"arg\xFC\xEDs", false, "two groups; \xFC\xED is weak + weak"},
      {"", false, "no vowel"},
      {"pst", false, "no vowel"},
      {"\x80\xFF", false, "bytes that are no letters"},
  };
  for (const Case& c : cases) EXPECT_EQ(IsSingleSyllable(c.word), c.single) << c.word << ": " << c.why;
}

TEST(DropLastAccent, TakesOffTheLastAccentOnly) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      // clang-format off
      {"d\xE1s", "das"}, {"v\xE9", "ve"}, {"hu\xED", "hui"}, {"t\xFA", "tu"},
      {"\xF3", "o"}, {"D\xC1S", "DAS"}, {"\xE1" "rbol\xE9", "\xE1" "rbole"},
      {"plain", "plain"}, {"", ""}, {"ping\xFC" "ino", "ping\xFC" "ino"},
      // clang-format on
  };
  for (const Case& c : cases) {
    std::string word = c.in;
    DropLastAccent(word);
    EXPECT_EQ(word, c.out) << c.in;
  }
}

}  // namespace
}  // namespace parlavo

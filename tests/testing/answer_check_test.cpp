#include "answer_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace parlavo {
namespace {

TEST(FoldAccent, LowerCaseAccentsOnly) {
  struct Case {
    char in, out;
  };
  for (const Case& c : {Case{'\xE1', 'a'}, Case{'\xE9', 'e'}, Case{'\xED', 'i'}, Case{'\xF3', 'o'}, Case{'\xFA', 'u'},
                        Case{'\xF1', 'n'}, Case{'\xC1', '\xC1'}, Case{'\xD1', '\xD1'}, Case{'\xFC', '\xFC'},
                        Case{'\xE0', '\xE0'}, Case{'a', 'a'}, Case{'T', 'T'}, Case{' ', ' '}})
    EXPECT_EQ(FoldAccent(c.in), c.out) << int(static_cast<unsigned char>(c.in));
}

TOptions Letters() { return TOptions{}; }
TOptions WholeWord() {
  TOptions o;
  o.word = true;
  o.letters = false;
  return o;
}
TOptions Silent() {
  TOptions o;
  o.showerr = false;
  return o;
}

// One colour per character, for reading the runs in a test.
std::vector<Rgb> PerChar(const std::vector<ColourRun>& runs) {
  std::vector<Rgb> colours;
  for (const ColourRun& run : runs) {
    EXPECT_EQ(run.start, colours.size()) << "runs are contiguous";
    colours.insert(colours.end(), run.length, run.colour);
  }
  return colours;
}

struct LetterCase {
  const char* name;
  TOptions options;
  std::string typed, expected;
  std::vector<Rgb> colours;
  int cap;
};

class CheckLettersTable : public ::testing::TestWithParam<LetterCase> {};

TEST_P(CheckLettersTable, ColoursAndCap) {
  const LetterCase& c = GetParam();
  const LetterCheck check = CheckLetters(c.typed, c.expected, c.options);
  EXPECT_EQ(PerChar(check.colours), c.colours);
  EXPECT_EQ(check.scoreCap, c.cap);
}

const Rgb K = kBlack, T = kTeal, R = kRed;
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Modes, CheckLettersTable,
    ::testing::Values(
        LetterCase{"prefix", Letters(), "ten", "tengo", {K, K, K}, 10},
        LetterCase{"empty", Letters(), "", "tengo", {}, 10},
        LetterCase{"missing_accent", Letters(), "tenia", "ten\xED" "a", {K, K, K, T, K}, 9},
        LetterCase{"extra_accent", Letters(), "t\xE9", "te", {K, T}, 9},
        LetterCase{"capital_is_wrong", Letters(), "Tengo", "tengo", {R, K, K, K, K}, 7},
        LetterCase{"capital_accent_not_folded", Letters(), "\xC1", "\xE1", {R}, 7},
        LetterCase{"beyond_the_answer", Letters(), "soyy", "soy", {K, K, K, R}, 7},
        LetterCase{"beyond_an_empty_answer", Letters(), "a", "", {R}, 7},
        LetterCase{"accent_and_wrong", Letters(), "texi", "ten\xED" "a", {K, K, R, T}, 7},
        LetterCase{"word_prefix", WholeWord(), "ten", "tengo", {R, R, R}, 7},
        LetterCase{"word_empty", WholeWord(), "", "tengo", {}, 7},
        LetterCase{"silent_prefix", Silent(), "ten", "tengo", {K, K, K}, 7},
        LetterCase{"silent_empty", Silent(), "", "tengo", {}, 7}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(CheckLetters, RunsMergeNeighboursOfOneColour) {
  const LetterCheck check = CheckLetters("tXXgo", "tengo", Letters());
  EXPECT_EQ(check.colours, (std::vector<ColourRun>{{0, 1, kBlack}, {1, 2, kRed}, {3, 2, kBlack}}));
}

TEST(ApplyDisplayMode, LabelsForTheLanguageOptions) {
  struct Case {
    bool eng, span;
    bool verb, hidden, trans, noTran;
  };
  // clang-format off
  for (const Case& c : {Case{false, false, true, false, true, false},
                        Case{true, false, false, true, true, false},
                        Case{false, true, true, false, false, true},
                        Case{true, true, false, true, true, false}}) {
    // clang-format on
    TOptions o;
    o.eng = c.eng;
    o.span = c.span;
    const DisplayMode m = ApplyDisplayMode(o, "", 5);
    EXPECT_EQ(m.lbVerbVisible, c.verb);
    EXPECT_EQ(m.lbVerbHiddenVisible, c.hidden);
    EXPECT_EQ(m.lbTransVisible, c.trans);
    EXPECT_EQ(m.lbNoTranVisible, c.noTran);
  }
}

TEST(ApplyDisplayMode, ExactLengthCutsTheText) {
  TOptions o;
  o.exact = true;
  DisplayMode m = ApplyDisplayMode(o, "soyx", 3);
  EXPECT_EQ(m.text, "soy");
  EXPECT_EQ(m.maxLength, 3);
  o.exact = false;
  m = ApplyDisplayMode(o, "soyx", 3);
  EXPECT_EQ(m.text, "soyx");
  EXPECT_EQ(m.maxLength, 50);
  EXPECT_EQ(ApplyDisplayMode(o, std::string(60, 'a'), 3).text, std::string(50, 'a')) << "the box's maximum";
}

TEST(ApplyTypedAccent, PairsTypedAfterTheirLetter) {
  const struct {
    const char* before;
    const char* text;
    int caret;
    const char* after;  // nullptr: unchanged
    int caretAfter;
  } cases[] = {
      // clang-format off
      {"habl", "habla'", 6, nullptr, 0},  // two characters came at once (a paste)
      {"habla", "habla'", 6, "habl\xE1", 5},
      {"est", "est'", 4, nullptr, 0},  // no vowel before the apostrophe
      {"a", "a'", 2, "\xE1", 1},
      {"", "'", 1, nullptr, 0},
      {"habe", "habe'", 5, "hab\xE9", 4},
      {"dorm", "dormi'", 6, nullptr, 0},
      {"dormi", "dormi'", 6, "dorm\xED", 5},
      {"durmio", "durmio'", 7, "durmi\xF3", 6},
      {"averiguo", "averiguo'", 9, "averigu\xF3", 8},
      {"u", "u'", 2, "\xFA", 1},
      {"ni", "ni~", 3, nullptr, 0},
      {"n", "n~", 2, "\xF1", 1},
      {"averigu", "averigu:", 8, "averig\xFC", 7},
      {"averigue", "averigu:e", 8, "averig\xFC" "e", 7},  // typed in the middle
      {"averigue", "averigue:", 9, nullptr, 0},
      {"A", "A'", 2, nullptr, 0},  // lower case only
      {"N", "N~", 2, nullptr, 0},
      {"a'", "a'", 2, nullptr, 0},  // no change
      {"ab'", "a'", 1, nullptr, 0},  // a deletion that brings a pair together
      {"ab", "a'b", 3, nullptr, 0},  // caret not after the typed character
      // clang-format on
  };
  for (const auto& c : cases) {
    const auto result = ApplyTypedAccent(c.before, c.text, c.caret);
    if (c.after == nullptr) {
      EXPECT_FALSE(result) << c.before << " -> " << c.text;
      continue;
    }
    ASSERT_TRUE(result) << c.before << " -> " << c.text;
    EXPECT_EQ(result->text, c.after);
    EXPECT_EQ(result->caret, c.caretAfter) << c.text;
  }
}

TEST(ApplyDisplayMode, OnlyTheFirstLineCounts) {
  TOptions o;
  o.exact = false;
  EXPECT_EQ(ApplyDisplayMode(o, "tengo\r\nmas", 5).text, "tengo");
  EXPECT_EQ(ApplyDisplayMode(o, "\nx", 5).text, "");
}

double AtSeconds(double seconds) { return 0.5 + seconds / 86400.0; }

TEST(RecordedSeconds, RoundsHalvesToEvenAndClampsTo30) {
  struct Case {
    double seconds;
    int recorded;
  };
  for (const Case& c :
       {Case{0, 0}, Case{0.4, 0}, Case{0.5, 0}, Case{1.5, 2}, Case{2.5, 2}, Case{3.5, 4}, Case{2.501, 3},
        Case{29.5, 30}, Case{30, 30}, Case{30.4, 30}, Case{45, 30}, Case{3600, 30}, Case{-0.001, 30}, Case{-5, 30}})
    EXPECT_EQ(RecordedSeconds(AtSeconds(0), AtSeconds(c.seconds)), c.recorded) << c.seconds;
}

TEST(RecordedSeconds, AcrossMidnightIsNegative) { EXPECT_EQ(RecordedSeconds(86399.0 / 86400.0, 2.0 / 86400.0), 30); }

TEST(ShownTranslation, CutsBeyond32) {
  const std::string exactly32(32, 'x');
  EXPECT_EQ(ShownTranslation(exactly32), exactly32);
  EXPECT_EQ(ShownTranslation(exactly32 + "y"), exactly32 + "...");
  EXPECT_EQ(ShownTranslation(""), "");
}

}  // namespace
}  // namespace parlavo

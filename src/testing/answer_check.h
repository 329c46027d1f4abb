// The pure parts of checking an answer: accent folding, letter colours, the display
// mode of the question panel, and the seconds recorded for a question.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "options.h"

namespace parlavo {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kTeal{0, 128, 128};  // right letter, wrong or missing accent
inline constexpr Rgb kRed{255, 0, 0};     // wrong letter
inline constexpr Rgb kGreen{0, 128, 0};   // the accepted answer

// `length` bytes from `start` of the box text in one colour.
struct ColourRun {
  std::size_t start = 0;
  std::size_t length = 0;
  Rgb colour;
  bool operator==(const ColourRun&) const = default;
};

// á é í ó ú ñ (Windows-1252) to a e i o u n; every other byte, capitals included,
// unchanged.
char FoldAccent(char c);

// Colours of a text that is not (or no longer) the accepted answer, and the score it
// caps the question at (10 when it costs nothing).
struct LetterCheck {
  std::vector<ColourRun> colours;
  int scoreCap = 10;
};
LetterCheck CheckLetters(std::string_view typed, std::string_view expected, const TOptions& options);

// Adds a run, merging it into the last one when it continues it in the same colour.
void AppendRun(std::vector<ColourRun>& runs, std::size_t start, std::size_t length, Rgb colour);

// An accent typed after its letter, for keyboards without Spanish letters: when
// `text` is `before` with one character typed just before `caret` and that character
// ends a pair - a vowel and "'" (a' -> á ... u' -> ú), "n~" (ñ) or "u:" (ü), lower
// case - the pair becomes the letter. Gives the new text and caret, or nothing.
struct TypedAccent {
  std::string text;
  int caret = 0;
};
std::optional<TypedAccent> ApplyTypedAccent(std::string_view before, std::string_view text, int caret);
// Whether some mark typed after `letter` makes it `target` ("i" can become "í").
bool MarkCanMake(char letter, char target);

// Longest answer the box takes when no exact length applies.
inline constexpr int kAnswerBoxMaxLength = 50;

// What the question panel shows for the options, and the box text after the cut to
// the answer's length (exact) or to the box's maximum.
struct DisplayMode {
  bool lbVerbVisible = true;
  bool lbVerbHiddenVisible = false;
  bool lbTransVisible = true;
  bool lbNoTranVisible = false;
  int maxLength = kAnswerBoxMaxLength;
  std::string text;
};
DisplayMode ApplyDisplayMode(const TOptions& options, std::string_view text, std::size_t answerLength);

// Seconds recorded for a question, from times of day as fractions of a day: the
// difference in whole milliseconds (the clock's resolution), rounded to seconds with
// halves to even; a negative result (past midnight) or one above 30 gives 30.
int RecordedSeconds(double startTime, double answerTime);

// The first line of a box text (a pasted line break ends it).
std::string_view FirstLine(std::string_view text);

// lbTrans: the translation, cut to 32 characters plus "..." when longer.
std::string ShownTranslation(std::string_view translation);

}  // namespace parlavo

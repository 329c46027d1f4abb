#include "answer_check.h"

#include <algorithm>
#include <cmath>

namespace parlavo {

char FoldAccent(char c) {
  switch (static_cast<unsigned char>(c)) {
    case 0xE1: return 'a';
    case 0xE9: return 'e';
    case 0xED: return 'i';
    case 0xF3: return 'o';
    case 0xFA: return 'u';
    case 0xF1: return 'n';
    default: return c;
  }
}

void AppendRun(std::vector<ColourRun>& runs, std::size_t start, std::size_t length, Rgb colour) {
  if (length == 0) return;
  if (!runs.empty() && runs.back().colour == colour && runs.back().start + runs.back().length == start) {
    runs.back().length += length;
    return;
  }
  runs.push_back({start, length, colour});
}

LetterCheck CheckLetters(std::string_view typed, std::string_view expected, const TOptions& options) {
  LetterCheck check;
  if (options.word && options.showerr) {
    check.scoreCap = 7;
    AppendRun(check.colours, 0, typed.size(), kRed);
  } else if (options.letters && options.showerr) {
    for (std::size_t i = 0; i < typed.size(); ++i) {
      const bool inAnswer = i < expected.size();
      Rgb colour = kRed;
      if (inAnswer && typed[i] == expected[i]) {
        colour = kBlack;
      } else if (inAnswer && FoldAccent(typed[i]) == FoldAccent(expected[i])) {
        colour = kTeal;
        check.scoreCap = std::min(check.scoreCap, 9);
      } else {
        check.scoreCap = 7;
      }
      AppendRun(check.colours, i, 1, colour);
    }
  } else {
    // Errors are not shown, yet any text short of the answer costs the same as one.
    check.scoreCap = 7;
    AppendRun(check.colours, 0, typed.size(), kBlack);
  }
  return check;
}

namespace {

// A letter, the mark typed after it, and the letter they make (Windows-1252).
struct MarkPair {
  char letter, mark, accented;
};
constexpr MarkPair kMarkPairs[] = {
    {'a', '\'', '\xE1'}, {'e', '\'', '\xE9'}, {'i', '\'', '\xED'}, {'o', '\'', '\xF3'},
    {'u', '\'', '\xFA'}, {'n', '~', '\xF1'},  {'u', ':', '\xFC'},
};

}  // namespace

DisplayMode ApplyDisplayMode(const TOptions& options, std::string_view text, std::size_t answerLength) {
  DisplayMode mode;
  if (options.eng) {
    mode.lbVerbVisible = false;
    mode.lbNoTranVisible = false;
    mode.lbVerbHiddenVisible = true;
    mode.lbTransVisible = true;
  } else if (options.span) {
    mode.lbVerbVisible = true;
    mode.lbNoTranVisible = true;
    mode.lbVerbHiddenVisible = false;
    mode.lbTransVisible = false;
  }
  text = FirstLine(text);
  mode.maxLength = options.exact ? static_cast<int>(answerLength) : kAnswerBoxMaxLength;
  mode.text = std::string(text.substr(0, static_cast<std::size_t>(mode.maxLength)));
  return mode;
}

bool MarkCanMake(char letter, char target) {
  for (const MarkPair& pair : kMarkPairs)
    if (pair.letter == letter && pair.accented == target) return true;
  return false;
}

std::optional<TypedAccent> ApplyTypedAccent(std::string_view before, std::string_view text, int caret) {
  if (caret < 2 || static_cast<std::size_t>(caret) > text.size() || text.size() != before.size() + 1)
    return std::nullopt;
  const std::size_t typedAt = static_cast<std::size_t>(caret) - 1;
  // Exactly one character typed, at the caret: nothing else changed.
  if (text.substr(0, typedAt) != before.substr(0, typedAt) || text.substr(typedAt + 1) != before.substr(typedAt))
    return std::nullopt;
  for (const MarkPair& pair : kMarkPairs) {
    if (text[typedAt] != pair.mark || text[typedAt - 1] != pair.letter) continue;
    TypedAccent result{std::string(text.substr(0, typedAt - 1)), caret - 1};
    result.text += pair.accented;
    result.text += text.substr(typedAt + 1);
    return result;
  }
  return std::nullopt;
}

int RecordedSeconds(double startTime, double answerTime) {
  constexpr int kLongest = 30;
  const double ms = std::round((answerTime - startTime) * 86'400'000.0);
  if (!(ms >= 0) || ms > (kLongest + 1) * 1000.0) return kLongest;
  const long long whole = static_cast<long long>(ms);
  long long seconds = whole / 1000;
  const long long rest = whole % 1000;
  if (rest > 500 || (rest == 500 && seconds % 2 == 1)) ++seconds;
  return seconds > kLongest ? kLongest : static_cast<int>(seconds);
}

std::string_view FirstLine(std::string_view text) { return text.substr(0, text.find_first_of("\r\n")); }

std::string ShownTranslation(std::string_view translation) {
  constexpr std::size_t kShown = 32;
  if (translation.size() <= kShown) return std::string(translation);
  return std::string(translation.substr(0, kShown)) + "...";
}

}  // namespace parlavo

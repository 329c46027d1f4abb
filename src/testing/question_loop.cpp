#include "question_loop.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <utility>

namespace parlavo {
namespace {

// The pause after a right answer; 0 for none. A pause that rounds to nothing (or a
// negative or unreadable time) would never end as a timer, so there is none.
int PauseMilliseconds(const TOptions& options) {
  constexpr double kLongest = 1 << 30;  // about 12 days, within a timer's int
  const double ms = static_cast<double>(options.pausetime) * 1000.0;
  if (!options.pause || !(ms > 0)) return 0;
  return static_cast<int>(std::llround(std::min(ms, kLongest)));
}

}  // namespace

double LocalTimeOfDay() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  const long long msOfDay = ((local.tm_hour * 60LL + local.tm_min) * 60LL + local.tm_sec) * 1000LL + ms;
  return static_cast<double>(msOfDay) / 86'400'000.0;
}

QuestionLoop::QuestionLoop(const TOptions& options, std::vector<std::string>* resultLines, TimeOfDay clock)
    : options_(&options), resultLines_(resultLines), clock_(std::move(clock)) {
  if (!clock_) clock_ = LocalTimeOfDay;
  startTime_ = answerTime_ = clock_();
}

// ---- Tests ----

LoopUpdate QuestionLoop::StartTest(TestList rows) {
  LoopUpdate update;
  EndPauseEarly(update);
  std::erase(update.steps, Step::TestDone);
  rows_ = std::move(rows);
  progress_.Start(rows_.size());
  if (rows_.empty()) {
    view_.currentRow = -1;
    SetBoxText("", update);
    ClearPanel();
  } else {
    view_.currentRow = 0;
    ShowCurrentQuestion(update);
  }
  return Done(std::move(update));
}

void QuestionLoop::ReplaceRows(TestList rows) {
  rows_ = std::move(rows);
  progress_.Start(rows_.size());
  view_.currentRow = rows_.empty() ? -1 : 0;
}

// ---- Events ----

LoopUpdate QuestionLoop::TextChanged(const std::string& typed, int caret) {
  std::string text = typed;
  bool markCame = false;
  if (caret >= 0) {
    if (auto accent = ApplyTypedAccent(lastText_, text, caret)) {
      text = std::move(accent->text);
      caret = accent->caret;
      markCame = true;
    }
    caretPos_ = caret;
  }
  // A letter left waiting for its mark costs its point once the mark did not come.
  if (!markCame) LowerScore(waitingCap_);
  waitingCap_ = 10;
  // The box takes no more than its length; what the cut leaves may be what it held.
  text = ApplyDisplayMode(*options_, text, expectedForm_.size()).text;
  LoopUpdate update;
  if (text != lastText_) {
    update.colours = Check(text, update, caret >= 0);
  } else {
    view_.boxText = lastText_;
    PlaceCaret();
  }
  return Done(std::move(update));
}

void QuestionLoop::KeyDown(int caretPosition, int virtualKey) {
  if (virtualKey == kVkDelete)
    caretPos_ = caretPosition;
  else if (virtualKey == kVkBack)
    caretPos_ = caretPosition - 1;
  else
    caretPos_ = caretPosition + 1;
}

LoopUpdate QuestionLoop::OptionsChanged() { return CheckAnswer(view_.boxText); }

LoopUpdate QuestionLoop::AnswerClicked() {
  score_ = -10;
  RevealAnswer();
  return Done({});
}

LoopUpdate QuestionLoop::NextLetterClicked(int caretPosition) {
  score_ = -5;
  LoopUpdate update;
  // During the pause the answer stands as it is; the click only costs the score.
  if (!pauseDone_) return Done(std::move(update));
  const std::string before = view_.boxText;
  const std::string after = InsertNextLetter(before);
  // A letter added at the end takes a caret at the end along, so typing goes on
  // after it rather than before it.
  caretPos_ = (after.size() > before.size() && caretPosition >= static_cast<int>(before.size()))
                  ? static_cast<int>(after.size())
                  : caretPosition;
  SetBoxText(after, update);
  update.colours = view_.boxColours;
  PlaceCaret();
  return Done(std::move(update));
}

LoopUpdate QuestionLoop::InsertAccent(const std::string& caption, int selectionStart, int selectionLength) {
  const std::string& text = view_.boxText;
  const std::size_t start = std::clamp<std::size_t>(std::max(selectionStart, 0), 0, text.size());
  const std::size_t length = std::min<std::size_t>(std::max(selectionLength, 0), text.size() - start);
  const std::string changed = text.substr(0, start) + caption + text.substr(start + length);
  // The caret ends right after the inserted letter.
  caretPos_ = static_cast<int>(start + caption.size());
  LoopUpdate update;
  SetBoxText(changed, update);
  update.colours = view_.boxColours;
  return Done(std::move(update));
}

LoopUpdate QuestionLoop::MoveQuestion(int delta) {
  LoopUpdate update;
  EndPauseEarly(update);
  Move(delta, update);
  return Done(std::move(update));
}

LoopUpdate QuestionLoop::RowClicked(int row) {
  LoopUpdate update;
  if (row < 0 || row >= static_cast<int>(rows_.size())) return Done(std::move(update));
  EndPauseEarly(update);
  view_.currentRow = row;
  ShowCurrentQuestion(update);
  return Done(std::move(update));
}

LoopUpdate QuestionLoop::PauseEnded() {
  LoopUpdate update;
  if (pauseDone_) return Done(std::move(update));  // a stale timer
  pauseDone_ = true;
  FinishAnswer(update, +1);
  return Done(std::move(update));
}

void QuestionLoop::Deactivate() {
  if (!answered_ && answerTime_ == startTime_) answerTime_ = clock_();
}

void QuestionLoop::Activate(bool testerPageCurrent) {
  // An answered question's clock stopped at the answer; resuming it would wipe its time.
  if (!testerPageCurrent || answered_) return;
  startTime_ = clock_() - (answerTime_ - startTime_);
  answerTime_ = startTime_;
}

// ---- Steps ----

LoopUpdate QuestionLoop::ShowQuestion(const TVerb& item) {
  LoopUpdate update;
  Show(item, update);
  return Done(std::move(update));
}

void QuestionLoop::Show(const TVerb& item, LoopUpdate& update) {
  item_ = &item;
  waitingCap_ = 10;
  expectedForm_ = item.Form();
  // The Gerund has no person; its items carry one only for the results line.
  view_.lbPerson = item.Tense == kGerund ? std::string() : std::string(item.PersonName());
  view_.lbVerb = item.Infinitive();
  view_.lbTrans = ShownTranslation(item.Translation());
  view_.lbTense = std::string(item.TenseName());
  view_.lbAnswerVisible = false;
  Check(view_.boxText, update);
  startTime_ = answerTime_ = clock_();
}

LoopUpdate QuestionLoop::CheckAnswer(const std::string& text) {
  LoopUpdate update;
  update.colours = Check(text, update);
  return Done(std::move(update));
}

std::vector<ColourRun> QuestionLoop::Check(const std::string& text, LoopUpdate& update, bool typedText) {
  const DisplayMode mode = ApplyDisplayMode(*options_, text, expectedForm_.size());
  view_.lbVerbVisible = mode.lbVerbVisible;
  view_.lbVerbHiddenVisible = mode.lbVerbHiddenVisible;
  view_.lbTransVisible = mode.lbTransVisible;
  view_.lbNoTranVisible = mode.lbNoTranVisible;
  view_.maxLength = mode.maxLength;
  view_.boxText = mode.text;
  lastText_ = mode.text;  // the box holds this now; its change notice is no news
  const std::string& typed = view_.boxText;
  const bool typedWithCaret = typedText;

  std::vector<ColourRun> colours;
  if (!expectedForm_.empty() && typed == expectedForm_ && !answered_) {
    answered_ = true;
    answerTime_ = clock_();
    AppendRun(colours, 0, typed.size(), kGreen);
    view_.boxColours = colours;
    update.correct = true;
    if (options_->beep) update.steps.insert(update.steps.end(), 3, Step::Beep);
    const int pauseMs = PauseMilliseconds(*options_);
    if (pauseMs > 0) {
      // The green answer stays until PauseEnded; the rest of the answer waits for it.
      pauseDone_ = false;
      update.steps.push_back(Step::StartPause);
      update.pauseMs = pauseMs;
    } else {
      FinishAnswer(update, +1);
    }
  } else {
    LetterCheck check = CheckLetters(typed, expectedForm_, *options_);
    if (typedWithCaret && AwaitsMark(check, typed))
      waitingCap_ = check.scoreCap;  // "i" then "'" is "í": no point lost for the "i"
    else
      LowerScore(check.scoreCap);
    colours = std::move(check.colours);
    view_.boxColours = colours;
  }
  PlaceCaret();
  return colours;
}

bool QuestionLoop::AwaitsMark(const LetterCheck& check, const std::string& typed) const {
  // Only the letter just typed, before the caret, is off, and a mark typed next can
  // still make it the right letter ("u" for "ü" is red, "i" for "í" teal).
  if (check.scoreCap == 10 || caretPos_ < 1 || static_cast<std::size_t>(caretPos_) > typed.size()) return false;
  const std::size_t at = static_cast<std::size_t>(caretPos_) - 1;
  if (at >= expectedForm_.size() || !MarkCanMake(typed[at], expectedForm_[at])) return false;
  for (const ColourRun& run : check.colours)
    if (run.colour != kBlack && (run.start != at || run.length != 1)) return false;
  return true;
}

void QuestionLoop::LowerScore(int value) {
  if (value < score_) score_ = static_cast<std::int8_t>(value);
}

std::string QuestionLoop::RecordResult(int score, int seconds) {
  if (!item_) return {};
  std::string line = item_->ResultLine(score) + "," + std::to_string(seconds);
  if (resultLines_) resultLines_->push_back(line);
  return line;
}

void QuestionLoop::RevealAnswer() {
  view_.lbAnswer = expectedForm_;
  view_.lbAnswerVisible = true;
}

std::string QuestionLoop::InsertNextLetter(const std::string& text) const {
  const std::string_view typed = FirstLine(text);
  for (std::size_t i = 0; i < expectedForm_.size(); ++i) {
    if (i >= typed.size() || typed[i] != expectedForm_[i]) {
      std::string fixed(typed.substr(0, i));
      fixed += expectedForm_[i];
      if (i + 1 < typed.size()) fixed += typed.substr(i + 1);
      return fixed;
    }
  }
  return std::string(typed);
}

// ---- Private ----

void QuestionLoop::SetBoxText(const std::string& text, LoopUpdate& update) {
  if (text != lastText_) Check(text, update);
  view_.boxText = lastText_;
}

void QuestionLoop::FinishAnswer(LoopUpdate& update, int delta) {
  if (!options_->move) return;
  SetBoxText("", update);
  update.steps.push_back(Step::ClearBox);
  const int seconds = RecordedSeconds(startTime_, answerTime_);
  const std::string line = RecordResult(score_, seconds);
  update.recorded.push_back(line);
  update.steps.push_back(Step::RecordResult);
  const bool testDone = !line.empty() && progress_.Record(RowOfCurrentItem(), score_, seconds);
  if (testDone) update.steps.push_back(Step::TestDone);
  if (delta != 0) Move(delta, update);
}

int QuestionLoop::RowOfCurrentItem() const {
  const int row = view_.currentRow;
  if (row >= 0 && row < static_cast<int>(rows_.size()) && rows_[row] == item_) return row;
  // "Randomise" during the pause put another list in place of the answered one.
  const auto it = std::find(rows_.begin(), rows_.end(), item_);
  return it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin());
}

void QuestionLoop::EndPauseEarly(LoopUpdate& update) {
  if (pauseDone_) return;
  pauseDone_ = true;
  FinishAnswer(update, 0);
}

void QuestionLoop::ShowCurrentQuestion(LoopUpdate& update) {
  SetBoxText("", update);
  answered_ = false;
  if (view_.currentRow >= 0 && view_.currentRow < static_cast<int>(rows_.size()) && rows_[view_.currentRow]) {
    Show(*rows_[view_.currentRow], update);
    // A question shown anew is a new question, however it was reached (a row click,
    // a new test): help taken on the last one must not cost this one.
    score_ = 10;
  }
}

void QuestionLoop::Move(int delta, LoopUpdate& update) {
  SetBoxText("", update);
  answered_ = false;
  if (!rows_.empty()) {
    const int count = static_cast<int>(rows_.size());
    int i = view_.currentRow + delta;
    if (i < 0) i = count - 1;
    if (i >= count) i = 0;
    view_.currentRow = i;
    ShowCurrentQuestion(update);
  }
  score_ = 10;
  startTime_ = answerTime_ = clock_();
  update.steps.push_back(Step::MoveQuestion);
}

void QuestionLoop::ClearPanel() {
  // Nothing is asked: no form can be accepted, nor recorded against an old question.
  item_ = nullptr;
  expectedForm_.clear();
  answered_ = false;
  view_.lbTense.clear();
  view_.lbPerson.clear();
  view_.lbVerb.clear();
  view_.lbTrans.clear();
  view_.lbAnswer.clear();
  view_.lbAnswerVisible = false;
}

void QuestionLoop::PlaceCaret() { view_.caret = std::clamp(caretPos_, 0, static_cast<int>(view_.boxText.size())); }

LoopUpdate QuestionLoop::Done(LoopUpdate update) const {
  update.score = score_;
  // The summary comes after everything else the event did, a move included.
  if (std::erase(update.steps, Step::TestDone) > 0) update.steps.push_back(Step::TestDone);
  return update;
}

}  // namespace parlavo

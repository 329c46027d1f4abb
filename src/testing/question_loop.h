// The question loop of the "VERB TESTER" page as a state machine. The window
// forwards its events here and then shows View(); it also performs the Steps an
// event returns that only it can (beeps, starting the pause timer). Nothing here
// waits: the pause after a right answer is a state, ended by PauseEnded().
//
// After every call the window:
//   - beeps once per Step::Beep and, for Step::StartPause, starts its single-shot
//     timer with pauseMs, whose timeout calls PauseEnded();
//   - shows View(): labels and their visibility, the selected row of lbVerbs, and the
//     box (text only when it differs, then colours, caret, maximum length).
// Writing the box raises the box's change notice; forwarded to TextChanged it finds
// the text it already knows and does nothing, so no check runs twice.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "answer_check.h"
#include "options.h"
#include "selection.h"
#include "test_progress.h"
#include "verb.h"

namespace parlavo {

// What an event did, in order. Beep and StartPause are the window's to carry out;
// the others are already applied to View() and are listed so the order can be seen.
enum class Step : std::uint8_t {
  Beep,          // one system beep (a right answer gives three)
  StartPause,    // start the single-shot pause timer, LoopUpdate::pauseMs
  ClearBox,      // the box was emptied (and that empty text checked)
  RecordResult,  // a result line was appended to the results
  MoveQuestion,  // another row became the current question
  TestDone,      // that recording completed the test: show Summary()
};

struct LoopUpdate {
  bool correct = false;            // this event completed the answer
  int score = 10;                  // Score after the event
  std::vector<ColourRun> colours;  // colours the user's text was checked with
  std::vector<Step> steps;
  int pauseMs = 0;                    // with Step::StartPause
  std::vector<std::string> recorded;  // lines appended to the results, in order
};

// Everything the question panel and the answer box show.
struct QuestionView {
  std::string lbTense, lbPerson, lbVerb, lbTrans, lbAnswer;  // Windows-1252
  bool lbVerbVisible = true, lbVerbHiddenVisible = false;
  bool lbTransVisible = true, lbNoTranVisible = false;
  bool lbAnswerVisible = false;
  std::string boxText;                // reVerb's text (one line)
  std::vector<ColourRun> boxColours;  // colours of boxText
  int maxLength = kAnswerBoxMaxLength;
  int caret = 0;        // where reVerb's caret goes
  int currentRow = -1;  // selected row of lbVerbs, -1 for none
};

// Time of day as a fraction of a day (0 at midnight), millisecond resolution.
using TimeOfDay = std::function<double()>;
// The local time of day from the system clock.
double LocalTimeOfDay();

// Virtual keys that move the caret backwards or keep it (reVerbKeyDown).
inline constexpr int kVkBack = 8;
inline constexpr int kVkDelete = 46;

class QuestionLoop {
 public:
  // `options` is the window's record, read at every check; `resultLines` is
  // TFileMan::ResultLines (null: results are not kept). Both must outlive the loop.
  QuestionLoop(const TOptions& options, std::vector<std::string>* resultLines, TimeOfDay clock = LocalTimeOfDay);

  // ---- Tests ----
  // A new test (SelectTest's end, "Randomise"): the rows replace the old ones; row 0
  // becomes the question, or with no rows the panel empties and nothing can be
  // answered. The test's progress starts afresh, as it does on ReplaceRows; a pause
  // of the old test that ends here completes nothing.
  LoopUpdate StartTest(TestList rows);
  // New rows, row 0 selected, the question on display stays (StartTest then starts it).
  void ReplaceRows(TestList rows);
  const TestList& Rows() const { return rows_; }

  // ---- Events of the window ----
  // reVerb's text changed (or it gained or lost the focus): checked when it differs
  // from the text last seen, so the window's own writes to the box are no-ops.
  // `caret`, when given (>= 0), is the box's caret after the change; it is where the
  // caret goes after the check, also for pastes and cuts that KeyDown cannot foresee.
  // A typed accent pair ("a'", "n~", "u:") becomes its letter first, and the text is
  // cut to the box's length; View() then holds what the box must show.
  LoopUpdate TextChanged(const std::string& text, int caret = -1);
  // reVerbKeyDown: foresees where the caret goes after the check (one place on for a
  // key, one back for Backspace, kept for Delete). `virtualKey`: kVkBack, kVkDelete,
  // anything else for other keys.
  void KeyDown(int caretPosition, int virtualKey);
  // An option check box or radio button was clicked: re-check the box as it is.
  LoopUpdate OptionsChanged();
  // "Answer": score -10 and the expected form shown under the box.
  LoopUpdate AnswerClicked();
  // "Next Letter": score -5; outside the pause also corrects the first wrong letter or
  // adds the next one. `caretPosition` is reVerb's caret when clicked.
  LoopUpdate NextLetterClicked(int caretPosition);
  // An accent button: its caption replaces the selection (or goes in at the caret).
  LoopUpdate InsertAccent(const std::string& caption, int selectionStart, int selectionLength);
  // "Next->" (+1) and "<- Previous" (-1), wrapping around the rows.
  LoopUpdate MoveQuestion(int delta);
  // A click on row `row` of lbVerbs, the selected row too: that question starts afresh.
  LoopUpdate RowClicked(int row);
  // The pause timer fired.
  LoopUpdate PauseEnded();
  // The application lost the foreground or the user left the tester page: the
  // question's clock stops.
  void Deactivate();
  // The application came back, or the user switched pages from the keyboard; the
  // clock resumes (time away left out) only when the tester page is the current page.
  void Activate(bool testerPageCurrent);

  // ---- The steps of the loop, public so each can be driven alone ----
  // Loads one item into the panel (no person for the Gerund), checks the (normally
  // empty) box, starts the clock. Every way to a new question also sets the score to 10.
  LoopUpdate ShowQuestion(const TVerb& item);
  // Checks `text` as the box's new text, whether or not it changed.
  LoopUpdate CheckAnswer(const std::string& text);
  // Score := min(Score, value), signed.
  void LowerScore(int value);
  // Appends item.ResultLine(score) + "," + seconds to the results.
  std::string RecordResult(int score, int seconds);
  // lbAnswer shows the expected form.
  void RevealAnswer();
  // The box text with its first wrong letter corrected, or the next letter added.
  std::string InsertNextLetter(const std::string& text) const;

  // ---- State ----
  const QuestionView& View() const { return view_; }
  const TVerb* CurrentItem() const { return item_; }
  const std::string& ExpectedForm() const { return expectedForm_; }
  std::int8_t Score() const { return score_; }
  double StartTime() const { return startTime_; }
  double AnswerTime() const { return answerTime_; }
  bool Answered() const { return answered_; }
  int CaretPos() const { return caretPos_; }
  bool PauseDone() const { return pauseDone_; }
  bool Pausing() const { return !pauseDone_; }
  const std::string& LastText() const { return lastText_; }
  // Which questions of the current list were recorded since it was built.
  const TestProgress& Progress() const { return progress_; }
  TestSummary Summary() const { return Summarise(rows_, progress_); }

 private:
  // The box's text becomes `text`: checked when it differs from LastText.
  void SetBoxText(const std::string& text, LoopUpdate& update);
  // The check proper; returns the colours the text was given.
  // `typedText`: the text comes from the learner's typing (TextChanged), with the
  // caret where the last character went in.
  std::vector<ColourRun> Check(const std::string& text, LoopUpdate& update, bool typedText = false);
  // The letter just typed lacks only an accent that a mark typed next would add.
  bool AwaitsMark(const LetterCheck& check, const std::string& typed) const;
  void Show(const TVerb& item, LoopUpdate& update);
  // With the `move` option: empty the box, record, move on by `delta` (0: stay).
  void FinishAnswer(LoopUpdate& update, int delta);
  // A pause still running when the user moves on ends here, so the answered
  // question is recorded once and the user's own move replaces the automatic one.
  void EndPauseEarly(LoopUpdate& update);
  void ShowCurrentQuestion(LoopUpdate& update);
  void Move(int delta, LoopUpdate& update);
  void ClearPanel();
  // The row the current item was asked from (-1 when the list no longer holds it).
  int RowOfCurrentItem() const;
  void PlaceCaret();
  LoopUpdate Done(LoopUpdate update) const;

  const TOptions* options_;
  std::vector<std::string>* resultLines_;
  TimeOfDay clock_;

  TestList rows_;
  const TVerb* item_ = nullptr;
  std::string expectedForm_;
  std::int8_t score_ = 10;
  double startTime_ = 0;
  double answerTime_ = 0;
  bool answered_ = false;
  int caretPos_ = 0;
  bool pauseDone_ = true;
  std::string lastText_;
  // The cap a letter awaiting its accent mark will cost unless the mark comes next.
  int waitingCap_ = 10;
  QuestionView view_;
  TestProgress progress_;
};

}  // namespace parlavo

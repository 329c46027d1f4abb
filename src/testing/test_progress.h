// When a test is done, and what it came to. A test is done once every question in
// its list has been recorded at least once since the list was built; the summary
// then tells how it went and which forms were missed, so they can be practised
// again. Fed by the question loop with every answer it records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "selection.h"

namespace parlavo {

// The answers given to one question of the list since it was built.
struct QuestionRecord {
  int answers = 0;
  int firstScore = 0;
  int bestScore = 0;
  bool missed = false;  // some answer scored below 10
};

class TestProgress {
 public:
  // A new list of `questions` questions: nothing recorded yet, not done.
  void Start(std::size_t questions);
  // An answer to question `row` was recorded. Returns true only for the answer
  // that completes the test; later answers (the list goes on wrapping) do not.
  bool Record(int row, int score, int seconds);

  bool Done() const { return done_; }
  const std::vector<QuestionRecord>& Questions() const { return questions_; }
  std::int64_t Answers() const { return answers_; }
  std::int64_t ScoreSum() const { return scoreSum_; }
  std::int64_t Seconds() const { return seconds_; }

 private:
  std::vector<QuestionRecord> questions_;
  std::size_t unanswered_ = 0;
  std::int64_t answers_ = 0, scoreSum_ = 0, seconds_ = 0;
  bool done_ = false;
};

struct MissedForm {
  const TVerb* item = nullptr;
  int bestScore = 0;
};

struct TestSummary {
  std::size_t questions = 0;
  std::size_t rightFirstTime = 0;  // first answer scored 10
  std::int64_t answers = 0;        // every answer recorded, repeats included
  double averageScore = 0;         // over those answers
  double averageSeconds = 0;
  std::int64_t totalSeconds = 0;
  std::vector<MissedForm> missed;  // in the order of the list
};

// `rows` is the list the progress was started with.
TestSummary Summarise(const TestList& rows, const TestProgress& progress);

// The lines of the summary panel, e.g. "Right at the first try: 2 of 3".
std::vector<std::string> SummaryLines(const TestSummary& summary);
// One missed form: "tener : Present , Yo  -  tengo  (best score 7)" (Windows-1252).
std::string MissedFormText(const MissedForm& missed);

// "Practise the missed ones": exactly the missed items, shuffled when `shuffle`.
TestList MissedTest(const TestSummary& summary, bool shuffle, std::mt19937& random);

}  // namespace parlavo

#include "test_progress.h"

#include <algorithm>

#include "number_text.h"

namespace parlavo {

namespace {

// "75 s" below two minutes, else "3 min 05 s".
std::string Duration(std::int64_t seconds) {
  if (seconds < 120) return std::to_string(seconds) + " s";
  const std::int64_t rest = seconds % 60;
  return std::to_string(seconds / 60) + " min " + (rest < 10 ? "0" : "") + std::to_string(rest) + " s";
}

}  // namespace

void TestProgress::Start(std::size_t questions) {
  questions_.assign(questions, QuestionRecord{});
  unanswered_ = questions;
  answers_ = scoreSum_ = seconds_ = 0;
  done_ = false;
}

bool TestProgress::Record(int row, int score, int seconds) {
  if (row < 0 || row >= static_cast<int>(questions_.size())) return false;
  QuestionRecord& question = questions_[static_cast<std::size_t>(row)];
  if (question.answers == 0) {
    question.firstScore = question.bestScore = score;
    --unanswered_;
  } else {
    question.bestScore = std::max(question.bestScore, score);
  }
  ++question.answers;
  question.missed = question.missed || score < 10;
  ++answers_;
  scoreSum_ += score;
  seconds_ += seconds;
  if (done_ || unanswered_ > 0) return false;
  done_ = true;
  return true;
}

TestSummary Summarise(const TestList& rows, const TestProgress& progress) {
  TestSummary summary;
  const std::vector<QuestionRecord>& questions = progress.Questions();
  summary.questions = questions.size();
  summary.answers = progress.Answers();
  summary.totalSeconds = progress.Seconds();
  if (summary.answers > 0) {
    summary.averageScore = static_cast<double>(progress.ScoreSum()) / static_cast<double>(summary.answers);
    summary.averageSeconds = static_cast<double>(progress.Seconds()) / static_cast<double>(summary.answers);
  }
  for (std::size_t row = 0; row < questions.size(); ++row) {
    const QuestionRecord& question = questions[row];
    if (question.answers > 0 && question.firstScore == 10) ++summary.rightFirstTime;
    if (question.missed && row < rows.size() && rows[row]) summary.missed.push_back({rows[row], question.bestScore});
  }
  return summary;
}

std::vector<std::string> SummaryLines(const TestSummary& summary) {
  return {
      "Questions: " + std::to_string(summary.questions),
      "Right at the first try: " + std::to_string(summary.rightFirstTime) + " of " + std::to_string(summary.questions),
      "Average score: " + FormatFixed(summary.averageScore, 1),
      "Average time: " + FormatFixed(summary.averageSeconds, 1) + " s",
      "Total time: " + Duration(summary.totalSeconds),
  };
}

std::string MissedFormText(const MissedForm& missed) {
  if (!missed.item) return "";
  return RowText(*missed.item) + "  -  " + std::string(missed.item->Form()) + "  (best score " +
         std::to_string(missed.bestScore) + ")";
}

TestList MissedTest(const TestSummary& summary, bool shuffle, std::mt19937& random) {
  TestList missed;
  missed.reserve(summary.missed.size());
  for (const MissedForm& form : summary.missed) missed.push_back(form.item);
  return FillQuestionList(missed, static_cast<int>(missed.size()), shuffle, random);
}

}  // namespace parlavo

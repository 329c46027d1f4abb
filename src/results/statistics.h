// Summaries of the result lines by person, by tense, and by both, as plain grids
// of text that the Statistics page copies into its tables.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace parlavo {

// One result line, parsed. Person and tense stay full integers so that a code such
// as 257 is left out as out of range instead of wrapping onto a real person.
struct TOutData {
  std::string answer;
  std::string infinitive;
  std::int32_t person = 0;
  std::int32_t tense = 0;
  std::int32_t irregular = 0;
  std::int32_t score = 0;
  std::int32_t seconds = 0;
};

// ParseResultFields (result_line.h) with the texts copied out of the line.
bool ParseResultLine(std::string_view line, TOutData& out, std::string& error);

// Single precision, as the totals the window has always shown were summed.
struct Accumulator {
  float Count = 0;
  float SumScore = 0;
  float SumSeconds = 0;
  void Add(const TOutData& record) { Add(record.score, record.seconds); }
  void Add(std::int32_t score, std::int32_t seconds);
};

// "N/A" when x or y is 0, else x / y rounded half to even.
std::string RatioText(float x, float y);
// The average of a row: (sum + 1e-7) / (count + 1e-7); the tiny constant keeps a
// zero count from dividing by zero and tips exact halves such as 7/2 just below .5.
double RowAverage(float sum, float count);
// RowAverage rounded half to even, or "N/A" for a row without results.
std::string RowAverageText(float sum, float count);
// The verdict of a row: "More Data Needed" up to minCount results, "Perfect", or
// e.g. "Very Good accuracy - Amazing speed".
std::string CommentText(int minCount, float count, float sumScore, float sumSeconds);

// Cells[row][column], row 0 and column 0 being the headings.
using StatisticsGrid = std::vector<std::vector<std::string>>;

enum class StatisticsKind { kPerson, kTense, kDouble };

StatisticsGrid PersonGrid(const std::vector<TOutData>& records);  // 13 x 5
StatisticsGrid TenseGrid(const std::vector<TOutData>& records);   // 17 x 5
StatisticsGrid DoubleGrid(const std::vector<TOutData>& records);  // 17 x 12

struct StatisticsTable {
  // "" when every line is good; otherwise names the file, the first bad line's number
  // and its fault, and how many bad lines were left out.
  std::string Error;
  StatisticsGrid Cells;  // built from the good lines
};

// Counts the result lines that do not parse and words the one report of them:
// the file, the first bad line's number (from 1) and its fault, and how many were
// left out ("" while every line is good).
class BadLineReport {
 public:
  void Add(std::size_t index, const std::string& fault);
  std::string Message(std::string_view fileName) const;

 private:
  std::size_t bad_ = 0;
  std::size_t firstIndex_ = 0;
  std::string firstFault_;
};

// Parses every line afresh and builds the grid of `kind` from the lines that parse;
// one damaged line must not hide the summary of all the others.
StatisticsTable BuildStatistics(const std::vector<std::string>& resultLines, StatisticsKind kind,
                                std::string_view fileName = "Results.txt");

}  // namespace parlavo

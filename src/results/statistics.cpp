#include "statistics.h"

#include <array>
#include <cmath>

#include "result_line.h"
#include "verb.h"

namespace parlavo {

namespace {

constexpr int kTenses = kTenseCount;    // codes 1..15
constexpr int kPersons = kPersonCount;  // codes 1..11
const std::string kNA = "N/A";

// Halves go to the even neighbour (std::nearbyint in the default rounding mode).
long long RoundHalfEven(double value) { return static_cast<long long>(std::nearbyint(value)); }

std::string RoundedText(double value) { return std::to_string(RoundHalfEven(value)); }

struct Totals {
  long long Count = 0;
  float Score = 0;
  float Time = 0;
  void Add(const Accumulator& row) {
    if (row.Count == 0) return;
    Count += RoundHalfEven(row.Count);
    Score += row.SumScore;
    Time += row.SumSeconds;
  }
};

StatisticsGrid EmptyGrid(std::size_t rows, std::size_t columns) {
  return StatisticsGrid(rows, std::vector<std::string>(columns));
}

// The person and tense grids: one row per code, then the totals.
template <std::size_t N>
StatisticsGrid SingleGrid(const std::array<Accumulator, N + 1>& rows, std::string_view countHeading,
                          std::string_view (*nameOf)(int)) {
  StatisticsGrid grid = EmptyGrid(N + 2, 5);
  grid[0][1] = countHeading;
  grid[0][2] = "Ave.Score";
  grid[0][3] = "Ave.Time";
  grid[0][4] = "Comments";
  Totals totals;
  for (std::size_t code = 1; code <= N; ++code) {
    const Accumulator& row = rows[code];
    std::vector<std::string>& cells = grid[code];
    cells[0] = nameOf(static_cast<int>(code));
    cells[1] = RoundedText(row.Count);
    cells[2] = RowAverageText(row.SumScore, row.Count);
    cells[3] = RowAverageText(row.SumSeconds, row.Count);
    cells[4] = CommentText(1, row.Count, row.SumScore, row.SumSeconds);
    totals.Add(row);
  }
  std::vector<std::string>& last = grid[N + 1];
  const float count = static_cast<float>(totals.Count);
  last[0] = "TOTAL";
  last[1] = RatioText(count, 1);
  last[2] = RatioText(totals.Score, count);
  last[3] = RatioText(totals.Time, count);
  return grid;
}

bool InRange(std::int32_t code, int last) { return code >= 1 && code <= last; }

}  // namespace

bool ParseResultLine(std::string_view line, TOutData& out, std::string& error) {
  ResultFields fields;
  const bool ok = ParseResultFields(line, fields, error);
  out = TOutData{std::string(fields.answer),
                 std::string(fields.infinitive),
                 fields.person,
                 fields.tense,
                 fields.irregular,
                 fields.score,
                 fields.seconds};
  return ok;
}

void Accumulator::Add(std::int32_t score, std::int32_t seconds) {
  Count += 1;
  SumScore += static_cast<float>(score);
  SumSeconds += static_cast<float>(seconds);
}

std::string RatioText(float x, float y) {
  if (x == 0 || y == 0) return kNA;
  return RoundedText(static_cast<double>(x) / static_cast<double>(y));
}

double RowAverage(float sum, float count) {
  return (static_cast<double>(sum) + 0.0000001) / (static_cast<double>(count) + 0.0000001);
}

std::string RowAverageText(float sum, float count) { return count != 0 ? RoundedText(RowAverage(sum, count)) : kNA; }

std::string CommentText(int minCount, float count, float sumScore, float sumSeconds) {
  if (count <= static_cast<float>(minCount)) return "More Data Needed";
  const float score = static_cast<float>(RowAverage(sumScore, count));
  const float time = static_cast<float>(RowAverage(sumSeconds, count));
  if (score > 9 && time < 5) return "Perfect";

  std::string text = score > 8   ? "Excellent"
                     : score > 7 ? "Very Good"
                     : score > 6 ? "Good"
                     : score > 5 ? "Average"
                     : score > 4 ? "Low"
                     : score > 3 ? "Poor"
                                 : "Very Poor";
  text += " accuracy - ";
  text += time < 5    ? "Amazing"
          : time < 6  ? "Excellent"
          : time < 8  ? "Very Good"
          : time < 10 ? "Good"
          : time < 14 ? "Average"
          : time < 16 ? "Low"
          : time < 20 ? "Poor"
                      : "Very Poor";
  text += " speed";
  return text;
}

StatisticsGrid PersonGrid(const std::vector<TOutData>& records) {
  std::array<Accumulator, kPersons + 1> rows{};
  for (const TOutData& r : records)
    if (InRange(r.person, kPersons)) rows[r.person].Add(r);
  return SingleGrid<kPersons>(rows, "#Tested", &PersonNameOf);
}

StatisticsGrid TenseGrid(const std::vector<TOutData>& records) {
  std::array<Accumulator, kTenses + 1> rows{};
  for (const TOutData& r : records)
    if (InRange(r.tense, kTenses)) rows[r.tense].Add(r);
  return SingleGrid<kTenses>(rows, "# Tested", &TenseNameOf);
}

StatisticsGrid DoubleGrid(const std::vector<TOutData>& records) {
  std::array<std::array<Accumulator, kPersons + 1>, kTenses + 1> cells{};
  for (const TOutData& r : records)
    if (InRange(r.tense, kTenses) && InRange(r.person, kPersons)) cells[r.tense][r.person].Add(r);

  StatisticsGrid grid = EmptyGrid(kTenses + 2, kPersons + 1);
  for (int tense = 1; tense <= kTenses; ++tense) grid[tense][0] = TenseNameOf(tense);
  grid[kTenses + 1][0] = "TOTAL";
  for (int person = 1; person <= kPersons; ++person) {
    Totals totals;
    grid[0][person] = PersonNameOf(person);
    for (int tense = 1; tense <= kTenses; ++tense) {
      const Accumulator& cell = cells[tense][person];
      totals.Add(cell);
      grid[tense][person] = RoundHalfEven(cell.Count) > 0
                                ? RoundedText(cell.Count) + "/" + RoundedText(RowAverage(cell.SumScore, cell.Count)) +
                                      "/" + RoundedText(RowAverage(cell.SumSeconds, cell.Count))
                                : kNA;
    }
    const float count = static_cast<float>(totals.Count);
    grid[kTenses + 1][person] =
        (totals.Count == 0 || totals.Score == 0 || totals.Time == 0)
            ? kNA
            : std::to_string(totals.Count) + "/" + RatioText(totals.Score, count) + "/" + RatioText(totals.Time, count);
  }
  return grid;
}

void BadLineReport::Add(std::size_t index, const std::string& fault) {
  if (bad_++ > 0) return;
  firstIndex_ = index;
  firstFault_ = fault;
}

std::string BadLineReport::Message(std::string_view fileName) const {
  if (bad_ == 0) return "";
  std::string message =
      "Line " + std::to_string(firstIndex_ + 1) + " of \"" + std::string(fileName) + "\": " + firstFault_;
  if (bad_ == 1) return message + "\nThe statistics leave this line out.";
  return message + "\nThe statistics leave out this line and " + std::to_string(bad_ - 1) + " more that are not valid.";
}

StatisticsTable BuildStatistics(const std::vector<std::string>& resultLines, StatisticsKind kind,
                                std::string_view fileName) {
  StatisticsTable table;
  std::vector<TOutData> records;
  records.reserve(resultLines.size());
  BadLineReport bad;
  std::string fault;
  for (std::size_t i = 0; i < resultLines.size(); ++i) {
    TOutData record;
    if (ParseResultLine(resultLines[i], record, fault))
      records.push_back(std::move(record));
    else
      bad.Add(i, fault);
  }
  table.Error = bad.Message(fileName);
  switch (kind) {
    case StatisticsKind::kPerson: table.Cells = PersonGrid(records); break;
    case StatisticsKind::kTense: table.Cells = TenseGrid(records); break;
    case StatisticsKind::kDouble: table.Cells = DoubleGrid(records); break;
  }
  return table;
}

}  // namespace parlavo

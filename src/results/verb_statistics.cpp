#include "verb_statistics.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <unordered_map>

#include "result_line.h"

namespace parlavo {

std::vector<VerbRow> VerbRows(const std::vector<std::string>& resultLines, const std::vector<Day>& days,
                              BadLineReport& bad) {
  std::unordered_map<std::string_view, VerbRow> byVerb;
  ResultFields fields;
  std::string fault;
  for (std::size_t i = 0; i < resultLines.size(); ++i) {
    if (!ParseResultFields(resultLines[i], fields, fault)) {
      bad.Add(i, fault);
      continue;
    }
    VerbRow& row = byVerb[fields.infinitive];
    row.totals.Add(fields.score, fields.seconds);
    if (i < days.size()) row.lastDay = std::max(row.lastDay, days[i]);
  }
  std::vector<VerbRow> rows;
  rows.reserve(byVerb.size());
  for (auto& [infinitive, row] : byVerb) {
    row.infinitive = infinitive;
    rows.push_back(std::move(row));
  }
  std::sort(rows.begin(), rows.end(), [](const VerbRow& a, const VerbRow& b) {
    const double scoreA = RowAverage(a.totals.SumScore, a.totals.Count);
    const double scoreB = RowAverage(b.totals.SumScore, b.totals.Count);
    if (scoreA != scoreB) return scoreA < scoreB;
    const double timeA = RowAverage(a.totals.SumSeconds, a.totals.Count);
    const double timeB = RowAverage(b.totals.SumSeconds, b.totals.Count);
    if (timeA != timeB) return timeA > timeB;
    return a.infinitive < b.infinitive;
  });
  return rows;
}

StatisticsGrid VerbGrid(const std::vector<VerbRow>& rows) {
  StatisticsGrid grid;
  grid.reserve(rows.size() + 1);
  grid.push_back({"Verb", "#Tested", "Ave.Score", "Ave.Time", "Last Practised", "Comments"});
  for (const VerbRow& row : rows) {
    const Accumulator& t = row.totals;
    grid.push_back({row.infinitive, std::to_string(std::llround(t.Count)), RowAverageText(t.SumScore, t.Count),
                    RowAverageText(t.SumSeconds, t.Count), FormatDay(row.lastDay),
                    CommentText(1, t.Count, t.SumScore, t.SumSeconds)});
  }
  return grid;
}

StatisticsTable BuildVerbStatistics(const std::vector<std::string>& resultLines,
                                    const std::vector<HistoryEntry>& history, std::string_view fileName) {
  StatisticsTable table;
  BadLineReport bad;
  table.Cells = VerbGrid(VerbRows(resultLines, ResultDays(resultLines.size(), history), bad));
  table.Error = bad.Message(fileName);
  return table;
}

}  // namespace parlavo

#include "verb_statistics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "progress_series.h"

namespace parlavo {
namespace {

using Lines = std::vector<std::string>;
using Row = std::vector<std::string>;

const Day kDec10 = DayOf(2026, 12, 10);

TEST(VerbStatistics, WeakestFirstWithCountAveragesLastDayAndComment) {
  const Lines lines = {
      // clang-format off
      "hablo,hablar,1,1,0,10,3",  // undated: before the history
      "como,comer,1,1,0,7,9",     "comes,comer,2,1,0,7,5",
      "vivo,vivir,1,1,0,7,12",    "vives,vivir,2,1,0,7,8",
      "tengo,tener,1,1,1,-10,30",
      "hablas,hablar,2,1,0,10,4",
      "abro,abrir,1,1,0,7,9",     "abres,abrir,2,1,0,7,5",
      // clang-format on
  };
  const std::vector<HistoryEntry> history = {{{kDec10 - 2, 0}, 2, 6, 5, 4.0}, {{kDec10, 0}, 8, 9, 2, 7.0}};
  const StatisticsTable table = BuildVerbStatistics(lines, history);
  ASSERT_EQ(table.Error, "");
  EXPECT_EQ(table.Cells, (std::vector<Row>{
                             {"Verb", "#Tested", "Ave.Score", "Ave.Time", "Last Practised", "Comments"},
                             {"tener", "1", "-10", "30", "2026-12-08", "More Data Needed"},
                             // Equal scores: the slower first; equal times too: by infinitive.
                             {"vivir", "2", "7", "10", "2026-12-08", "Good accuracy - Average speed"},
                             {"abrir", "2", "7", "7", "2026-12-10", "Good accuracy - Very Good speed"},
                             {"comer", "2", "7", "7", "2026-12-08", "Good accuracy - Very Good speed"},
                             {"hablar", "2", "10", "3", "-", "Perfect"},
                         }));
}

TEST(VerbStatistics, NoResultsAndBadLines) {
  const StatisticsTable empty = BuildVerbStatistics({}, {});
  EXPECT_EQ(empty.Cells.size(), 1u);  // the headings only
}

// A bad line never hides the verbs of all the good ones; it is named as the other
// grids name it.
TEST(VerbStatistics, BadLinesAreLeftOutAndNamed) {
  const struct {
    Lines lines;
    std::vector<std::string> verbs;  // the grid's rows, in order
    std::string error;
  } cases[] = {
      {{"hablo,hablar,1,1,0,10,3", "x,y,1,z,0,10,3"},
       {"hablar"},
       "Line 2 of \"Results.txt\": 'z' is not a valid integer value\nThe statistics leave this line out."},
      {{"garbage", "como,comer,1,1,0,7,3", "x,y,1,1,0,10,q", "hablo,hablar,1,1,0,10,3"},
       {"comer", "hablar"},
       "Line 1 of \"Results.txt\": '' is not a valid integer value\n"
       "The statistics leave out this line and 1 more that are not valid."},
      {{"x,y,1,z,0,10,3"},
       {},
       "Line 1 of \"Results.txt\": 'z' is not a valid integer value\n"
       "The statistics leave this line out."},
  };
  for (const auto& c : cases) {
    const StatisticsTable table = BuildVerbStatistics(c.lines, {});
    EXPECT_EQ(table.Error, c.error);
    ASSERT_EQ(table.Cells.size(), c.verbs.size() + 1);
    for (std::size_t i = 0; i < c.verbs.size(); ++i) EXPECT_EQ(table.Cells[i + 1][0], c.verbs[i]);
  }
}

TEST(ProgressSeriesTest, TheLastDaysWithAnswersOldestFirst) {
  Lines lines;
  std::vector<HistoryEntry> history;
  // 70 days, each with a run of (day % 3 + 1) answers scored 10 or 7 by turns.
  for (int d = 0; d < 70; ++d) {
    const auto first = static_cast<std::int64_t>(lines.size()) + 1;
    for (int a = 0; a <= d % 3; ++a) lines.push_back(a % 2 ? "b,x,1,1,0,7,3" : "a,x,1,1,0,10,3");
    history.push_back({{kDec10 - 100 + 2 * d, 0}, first, static_cast<std::int64_t>(lines.size()), 0, 0});
  }
  lines.insert(lines.begin(), "a,x,1,1,0,10,3");                            // undated, so never a bar...
  for (HistoryEntry& entry : history) ++entry.firstLine, ++entry.lastLine;  // ...and shifts them

  const std::vector<DayFigures> series = ProgressSeries(lines, history);
  ASSERT_EQ(series.size(), kProgressDays);
  EXPECT_EQ(series.front().day, kDec10 - 100 + 2 * 10);
  EXPECT_EQ(series.back(), (DayFigures{kDec10 + 38, 1, 10}));  // day 69: one answer
  EXPECT_EQ(series[series.size() - 2], (DayFigures{kDec10 + 36, 3, 9}));
  EXPECT_TRUE(ProgressSeries(lines, {}).empty());  // nothing dated: the page says so instead
  EXPECT_EQ(ProgressSeries(lines, history, 3).size(), 3u);
}

TEST(ProgressSeriesTest, LabelsAndTooltips) {
  EXPECT_EQ(DayAxisLabel(kDec10), "10 Dec");
  EXPECT_EQ(DayAxisLabel(DayOf(2027, 1, 1)), "1 Jan");
  EXPECT_EQ(DayTooltip({kDec10, 25, 8.44}), "2026-12-10: 25 answers, average score 8.4");
  EXPECT_EQ(DayTooltip({kDec10, 1, -10}), "2026-12-10: 1 answer, average score -10.0");
}

}  // namespace
}  // namespace parlavo

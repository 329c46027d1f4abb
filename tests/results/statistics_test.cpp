#include "statistics.h"

#include <gtest/gtest.h>

namespace parlavo {
namespace {

using Row = std::vector<std::string>;

TEST(ResultLineParse, ReadsSevenFieldsOrNamesTheBadOne) {
  const struct {
    const char* line;
    const char* error;  // "" when the line parses
    TOutData data;
  } cases[] = {
      {"hablo,hablar,1,1,0,10,4", "", {"hablo", "hablar", 1, 1, 0, 10, 4}},
      {" ha hablado , haber , 11 , 4 , 1 , -5 , 30 ", "", {"ha hablado", "haber", 11, 4, 1, -5, 30}},
      {"", "", {}},  // a blank line is all zeros and counts nowhere
      {"a,b,x,1,0,10,4", "'x' is not a valid integer value", {}},
      {"a,b,1,1,0,10", "'' is not a valid integer value", {}},
      {"a,b,1,1,0,10,4,c", "'' is not a valid integer value", {}},  // an eighth field starts over
      {"a,b,1,1,0,10,4,c,d,2,3,1,9,8", "", {"c", "d", 2, 3, 1, 9, 8}},
      {"a,b,1,1,0,1.5,4", "'1.5' is not a valid integer value", {}},
      {"a,b,1,1,0,10,99999999999", "'99999999999' is not a valid integer value", {}},
  };
  for (const auto& c : cases) {
    TOutData data;
    std::string error;
    const bool ok = ParseResultLine(c.line, data, error);
    EXPECT_EQ(ok, std::string(c.error).empty()) << c.line;
    if (!ok) {
      EXPECT_EQ(error, c.error) << c.line;
      continue;
    }
    EXPECT_EQ(data.answer, c.data.answer) << c.line;
    EXPECT_EQ(data.infinitive, c.data.infinitive) << c.line;
    EXPECT_EQ(std::tie(data.person, data.tense, data.irregular, data.score, data.seconds),
              std::tie(c.data.person, c.data.tense, c.data.irregular, c.data.score, c.data.seconds))
        << c.line;
  }
}

TEST(RatioText, RoundsHalvesToEvenAndGuardsZero) {
  const struct {
    float x, y;
    const char* text;
  } cases[] = {
      {0, 5, "N/A"}, {5, 0, "N/A"}, {7, 2, "4"},  {5, 2, "2"},  {-5, 2, "-2"},
      {10, 3, "3"},  {3, 1, "3"},   {-1, 4, "0"}, {11, 2, "6"}, {1e6f, 1, "1000000"},
  };
  for (const auto& c : cases) EXPECT_EQ(RatioText(c.x, c.y), c.text) << c.x << "/" << c.y;
}

TEST(CommentText, ChoosesTheVerdictWithStrictBoundaries) {
  const struct {
    float count, score, seconds;
    const char* text;
  } cases[] = {
      {0, 0, 0, "More Data Needed"},
      {1, 10, 1, "More Data Needed"},
      {2, 20, 4, "Perfect"},
      {2, 20, 10, "Excellent accuracy - Excellent speed"},  // time exactly 5 is not below 5
      {2, 18, 2, "Excellent accuracy - Amazing speed"},     // score exactly 9 is not above 9
      {2, 16, 2, "Very Good accuracy - Amazing speed"},     // 9 and 7: exactly 8 is not above 8
      {2, 13, 13, "Good accuracy - Very Good speed"},
      {2, 11, 17, "Average accuracy - Good speed"},
      {2, 9, 21, "Low accuracy - Average speed"},
      {2, 7, 29, "Poor accuracy - Low speed"},
      {2, 5, 33, "Very Poor accuracy - Poor speed"},
      {2, -20, 41, "Very Poor accuracy - Very Poor speed"},
      {2, 20, 40, "Excellent accuracy - Very Poor speed"},
      {3, 30, 15, "Excellent accuracy - Excellent speed"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CommentText(1, c.count, c.score, c.seconds), c.text) << c.count << " " << c.score << " " << c.seconds;
}

StatisticsGrid Build(const std::vector<std::string>& lines, StatisticsKind kind) {
  StatisticsTable table = BuildStatistics(lines, kind);
  EXPECT_EQ(table.Error, "");
  return table.Cells;
}

TEST(PersonGrid, WithoutResultsEveryRowNeedsData) {
  const StatisticsGrid grid = Build({}, StatisticsKind::kPerson);
  ASSERT_EQ(grid.size(), 13u);
  EXPECT_EQ(grid[0], (Row{"", "#Tested", "Ave.Score", "Ave.Time", "Comments"}));
  EXPECT_EQ(grid[1], (Row{"Yo", "0", "N/A", "N/A", "More Data Needed"}));
  EXPECT_EQ(grid[4][0], "\xC9l");
  EXPECT_EQ(grid[11], (Row{"Ustedes", "0", "N/A", "N/A", "More Data Needed"}));
  EXPECT_EQ(grid[12], (Row{"TOTAL", "N/A", "N/A", "N/A", ""}));
}

TEST(PersonGrid, RowsAverageWithTheSmallConstantAndTotalsWithout) {
  const StatisticsGrid grid = Build(
      {
          "hablo,hablar,1,1,0,10,3",
          "como,comer,1,1,0,10,4",
          "comes,comer,2,1,0,10,7",
          "comes,comer,2,1,0,-10,1",
          "x,y,0,1,0,10,4",  // person codes out of range count nowhere
          "x,y,12,1,0,10,4",
          "x,y,257,1,0,10,4",  // and do not wrap onto a real person
          "",
      },
      StatisticsKind::kPerson);
  EXPECT_EQ(grid[1], (Row{"Yo", "2", "10", "3", "Perfect"}));  // 7/2 sits just below 3.5
  EXPECT_EQ(grid[2], (Row{"T\xFA", "2", "0", "4", "Very Poor accuracy - Amazing speed"}));
  EXPECT_EQ(grid[12], (Row{"TOTAL", "4", "5", "4", ""}));  // 15/4 = 3.75, 20/4 = 5
}

TEST(PersonGrid, ScoresThatCancelOutShowNoTotalScore) {
  const StatisticsGrid grid = Build({"vivo,vivir,7,1,0,10,5", "vivo,vivir,7,1,0,-10,6"}, StatisticsKind::kPerson);
  // 11/2 seconds: the row rounds 5.4999... down, the total rounds 5.5 to even.
  EXPECT_EQ(grid[7], (Row{"Nosotros", "2", "0", "5", "Very Poor accuracy - Excellent speed"}));
  EXPECT_EQ(grid[12], (Row{"TOTAL", "2", "N/A", "6", ""}));
}

TEST(TenseGrid, HasAllFifteenTensesAndItsOwnHeading) {
  const StatisticsGrid grid = Build({"hablando,hablar,1,15,0,9,4", "x,y,1,16,0,10,4"}, StatisticsKind::kTense);
  ASSERT_EQ(grid.size(), 17u);
  EXPECT_EQ(grid[0], (Row{"", "# Tested", "Ave.Score", "Ave.Time", "Comments"}));
  EXPECT_EQ(grid[1][0], "Present");
  EXPECT_EQ(grid[15], (Row{"Gerund", "1", "9", "4", "More Data Needed"}));
  EXPECT_EQ(grid[16], (Row{"TOTAL", "1", "9", "4", ""}));
}

TEST(DoubleGrid, CellsHoldCountScoreAndTimePerTenseAndPerson) {
  const StatisticsGrid grid = Build(
      {
          "hablo,hablar,1,1,0,10,4",
          "hablaste,hablar,2,2,0,9,0",
          "hablaste,hablar,2,2,0,7,0",
          "x,y,2,16,0,10,4",
      },
      StatisticsKind::kDouble);
  ASSERT_EQ(grid.size(), 17u);
  for (const Row& row : grid) ASSERT_EQ(row.size(), 12u);
  EXPECT_EQ(grid[0][0], "");
  EXPECT_EQ(grid[0][1], "Yo");
  EXPECT_EQ(grid[0][11], "Ustedes");
  EXPECT_EQ(grid[14][0], "Future - Perfect");
  EXPECT_EQ(grid[16][0], "TOTAL");
  EXPECT_EQ(grid[1][1], "1/10/4");
  EXPECT_EQ(grid[2][1], "N/A");
  EXPECT_EQ(grid[16][1], "1/10/4");
  EXPECT_EQ(grid[2][2], "2/8/0");
  EXPECT_EQ(grid[16][2], "N/A") << "a column whose results all took 0 seconds";
  EXPECT_EQ(grid[16][3], "N/A");
}

// Bad lines are named (file and line number) and left out; the grids count every
// good line.
TEST(BuildStatistics, BadLinesAreNamedAndLeftOut) {
  const std::string good = "hablo,hablar,1,1,0,10,4";
  const struct {
    std::vector<std::string> lines;
    std::string error;
    const char* yoCount;
  } cases[] = {
      {{good, good}, "", "2"},
      {{good, "hablo,hablar,uno,1,0,10,4", good},
       "Line 2 of \"Results.txt\": 'uno' is not a valid integer value\nThe statistics leave this line out.",
       "2"},
      {{"x,y", good, "hablo,hablar,1,1,0,10", good, "hablo,hablar,1,1,0,10,4s"},
       "Line 1 of \"Results.txt\": '' is not a valid integer value\n"
       "The statistics leave out this line and 2 more that are not valid.",
       "2"},
      {{"garbage"},
       "Line 1 of \"Results.txt\": '' is not a valid integer value\nThe statistics leave this line out.",
       "0"},
  };
  for (const auto& c : cases) {
    for (StatisticsKind kind : {StatisticsKind::kPerson, StatisticsKind::kTense, StatisticsKind::kDouble}) {
      const StatisticsTable table = BuildStatistics(c.lines, kind);
      EXPECT_EQ(table.Error, c.error);
      ASSERT_FALSE(table.Cells.empty());
      EXPECT_EQ(table.Cells[1][1].substr(0, 1),
                kind == StatisticsKind::kDouble && std::string(c.yoCount) == "0" ? "N" : c.yoCount)
          << c.error;
    }
  }
  EXPECT_EQ(
      BuildStatistics({"a,b,c,1,0,10,4"}, StatisticsKind::kPerson, "/home/me/Results.txt").Error,
      "Line 1 of \"/home/me/Results.txt\": 'c' is not a valid integer value\nThe statistics leave this line out.");
}

}  // namespace
}  // namespace parlavo

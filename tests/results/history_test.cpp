#include "history.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "history_file.h"
#include "status_failure.h"
#include "temp_files.h"

namespace parlavo {
namespace {

using namespace testing_files;
using Lines = std::vector<std::string>;

const Day kDec10 = DayOf(2026, 12, 10);

HistoryEntry Entry(Day day, int second, std::int64_t first, std::int64_t last) {
  return HistoryEntry{{day, second}, first, last, last - first + 1, 10};
}

TEST(LocalDay, DateTimesReadBackAsWritten) {
  EXPECT_EQ(DayOf(1970, 1, 1), 0);
  EXPECT_EQ(DayOf(2000, 3, 1) - DayOf(2000, 2, 28), 2);  // a leap year
  const LocalDateTime when{kDec10, 14 * 3600 + 2 * 60 + 10};
  EXPECT_EQ(FormatDateTime(when), "2026-12-10T14:02:10");
  EXPECT_EQ(ParseDateTime("2026-12-10T14:02:10"), when);
  EXPECT_EQ(FormatDay(kDec10), "2026-12-10");
  EXPECT_EQ(FormatDay(kUndated), "-");
  EXPECT_EQ(ParseDateTime("2024-02-29T23:59:59"), (LocalDateTime{DayOf(2024, 2, 29), 86399}));
  for (const char* bad :
       {"", "2026-12-10", "2026-12-10 14:02:10", "2026-13-10T14:02:10", "2026-02-29T10:00:00", "2026-12-10T24:00:00",
        "2026-12-10T14:60:00", "2026-12-10T14:02:1x", "2026-12-10T14:02:10Z", "+026-12-10T14:02:10"})
    EXPECT_FALSE(ParseDateTime(bad)) << bad;
}

TEST(HistoryLine, FormatsAndParsesBack) {
  const HistoryEntry entry{{kDec10, 14 * 3600 + 130}, 101, 125, 25, 8.4};
  EXPECT_EQ(FormatHistoryLine(entry), "2026-12-10T14:02:10,101,125,25,8.40");
  EXPECT_EQ(ParseHistoryLine("2026-12-10T14:02:10,101,125,25,8.40"), entry);
  EXPECT_EQ(ParseHistoryLine(" 2026-12-10T14:02:10 , 101,125 ,25, 8.40\r"), entry);
  EXPECT_EQ(FormatHistoryLine({{kDec10, 0}, 1, 1, 1, -10}), "2026-12-10T00:00:00,1,1,1,-10.00");
}

TEST(HistoryLine, DamagedLinesAreRejected) {
  for (const char* bad : {
           "2026-12-10T14:02:10,101,125,25",        // a field missing
           "2026-12-10T14:02:10,101,125,25,8.4,1",  // one too many
           "2026-12-10,101,125,25,8.4",             // no time
           "2026-12-10T14:02:10,0,5,5,8.4",         // lines count from 1
           "2026-12-10T14:02:10,9,5,5,8.4",         // ends before it starts
           "2026-12-10T14:02:10,1,5,-1,8.4",        // a negative count
           "2026-12-10T14:02:10,1,5,5,11",          // no average can be 11
           "2026-12-10T14:02:10,1,5,5,nan",
           "2026-12-10T14:02:10,1,5x,5,8",
           "2026-12-10T14:02:10,,5,5,8",
           "garbage",
       })
    EXPECT_FALSE(ParseHistoryLine(bad)) << bad;
}

TEST(HistoryLine, DamagedLinesAreCountedAndReportedInOneMessage) {
  const HistoryLines none = ParseHistory({"2026-12-10T14:02:10,1,2,2,10.00", ""});
  EXPECT_EQ(none.entries.size(), 1u);
  EXPECT_EQ(DamagedHistoryMessage(none, "History.txt"), "");

  const HistoryLines one = ParseHistory({"x", "2026-12-10T14:02:10,1,2,2,10.00"});
  EXPECT_EQ(one.entries.size(), 1u);
  EXPECT_EQ(DamagedHistoryMessage(one, "History.txt"),
            "\"History.txt\": line 1 is damaged and left out, so some answers may count as long "
            "ago. The file keeps them as they are.");

  const HistoryLines two = ParseHistory({"2026-12-10T14:02:10,1,2,2,10.00", "", "x", "y"});
  EXPECT_EQ(two.damaged, 2u);
  EXPECT_EQ(two.firstDamaged, 3u);
  EXPECT_NE(DamagedHistoryMessage(two, "History.txt").find("2 lines (the first is line 3) are"), std::string::npos);
}

TEST(HistoryLine, RunEntryCoversTheRunsLastLines) {
  const Lines results = {"tengo,tener,1,1,1,10,4", "como,comer,1,1,0,9,3", "vivo,vivir,1,1,0,7,5",
                         "bad,line,x,1,0,7,5"};
  const LocalDateTime start{kDec10, 3600};
  const HistoryEntry run = RunEntry(start, results, 3);
  EXPECT_EQ(run.firstLine, 2);
  EXPECT_EQ(run.lastLine, 4);
  EXPECT_EQ(run.count, 3);
  EXPECT_DOUBLE_EQ(run.average, 8.0);  // the unreadable line adds nothing
  EXPECT_EQ(RunEntry(start, results, 0).count, 0);
  EXPECT_EQ(RunEntry(start, results, 99).firstLine, 1);
}

// Days of result lines from small histories.
TEST(ResultDays, FromHistories) {
  const Day d1 = kDec10, d2 = kDec10 + 1, d3 = kDec10 + 2;
  const Day u = kUndated;
  const struct {
    const char* name;
    std::size_t results;
    std::vector<HistoryEntry> history;
    std::vector<Day> days;
  } cases[] = {
      // clang-format off
      {"no history: all long ago", 3, {}, {u, u, u}},
      {"two runs, a gap before them", 5, {Entry(d1, 0, 2, 3), Entry(d2, 0, 4, 5)}, {u, d1, d1, d2, d2}},
      {"lines out of order in the file", 4, {Entry(d2, 0, 3, 4), Entry(d1, 0, 1, 2)}, {d1, d1, d2, d2}},
      {"a shorter Results.txt than claimed", 3, {Entry(d1, 0, 2, 9)}, {u, d1, d1}},
      {"a claim wholly beyond the end", 2, {Entry(d1, 0, 5, 9)}, {u, u}},
      {"results emptied and written again: the later run wins",
       4, {Entry(d1, 0, 1, 4), Entry(d3, 0, 1, 2)}, {d3, d3, d1, d1}},
      {"the later start wins wherever it stands in the file",
       3, {Entry(d3, 0, 1, 2), Entry(d1, 0, 1, 3)}, {d3, d3, d1}},
      {"a run just before midnight loses to one just after",
       2, {Entry(d2, 60, 2, 2), Entry(d1, 86340, 1, 2)}, {d1, d2}},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(ResultDays(c.results, c.history), c.days) << c.name;
}

class HistoryFileTest : public ScratchFileTest {
 protected:
  const HistoryEntry run_{{kDec10, 3600}, 3, 4, 2, 9.5};
};

TEST_F(HistoryFileTest, MissingFileIsAnEmptyHistoryAndARunAddsItsLine) {
  THistoryFile history(path_);
  EXPECT_TRUE(history.Entries().empty());
  EXPECT_EQ(history.LoadStatus(), Status::Ok());
  EXPECT_EQ(history.LoadNote(), "");
  EXPECT_FALSE(std::filesystem::exists(path_));  // nothing written before answers

  EXPECT_TRUE(history.Save({{kDec10, 3600}, 1, 0, 0, 0}));  // a run without answers
  EXPECT_FALSE(std::filesystem::exists(path_));

  EXPECT_TRUE(history.Save(run_));
  EXPECT_EQ(ReadBytes(path_), "2026-12-10T01:00:00,3,4,2,9.50\r\n");
  // The next save of the same run replaces its line.
  EXPECT_TRUE(history.Save({{kDec10, 3600}, 3, 6, 4, 9.75}));
  EXPECT_EQ(ReadBytes(path_), "2026-12-10T01:00:00,3,6,4,9.75\r\n");
  EXPECT_EQ(history.EntriesWith(run_), std::vector<HistoryEntry>{run_});
}

TEST_F(HistoryFileTest, DamagedLinesAreReportedOnceAndWrittenBackAsTheyWere) {
  Put("2026-12-08T10:00:00,1,2,2,10.00\r\nthis is no history line\r\n\r\n"
      "2026-12-09T10:00:00,3,3,1,7.00\n");
  THistoryFile history(path_);
  EXPECT_EQ(history.Entries().size(), 2u);
  EXPECT_EQ(history.LoadStatus(), Status::Ok()) << "damaged lines are no read error";
  EXPECT_NE(history.LoadNote().find("line 2 is damaged"), std::string::npos) << history.LoadNote();
  EXPECT_EQ(history.EntriesWith(run_).size(), 3u);
  EXPECT_EQ(history.EntriesWith({}).size(), 2u);

  EXPECT_TRUE(history.Save(run_));
  EXPECT_EQ(ReadBytes(path_),
            "2026-12-08T10:00:00,1,2,2,10.00\r\nthis is no history line\r\n\r\n"
            "2026-12-09T10:00:00,3,3,1,7.00\r\n2026-12-10T01:00:00,3,4,2,9.50\r\n");
}

TEST_F(HistoryFileTest, UnreadableFileIsLeftAloneUntilItCanBeRead) {
  std::filesystem::create_directory(path_);  // stands for a file that cannot be read
  THistoryFile history(path_);
  EXPECT_NE(FailureMessage(history.LoadStatus()).find("long ago"), std::string::npos) << history.LoadStatus();
  EXPECT_FALSE(history.Save(run_));
  EXPECT_NE(FailureMessage(history.SaveStatus()), "");
  EXPECT_TRUE(std::filesystem::is_directory(path_));

  std::filesystem::remove(path_);
  WriteBytes(path_, "2026-12-08T10:00:00,1,2,2,10.00\r\n");
  EXPECT_TRUE(history.Save(run_));
  EXPECT_EQ(ReadBytes(path_), "2026-12-08T10:00:00,1,2,2,10.00\r\n2026-12-10T01:00:00,3,4,2,9.50\r\n");
}

TEST_F(HistoryFileTest, AFailedWriteKeepsTheOldFile) {
  Put("2026-12-08T10:00:00,1,2,2,10.00\r\n");
  THistoryFile history(path_);
  {
    FailingWrites failing(WriteFailure::kDiskFull, dir_.Path());
    EXPECT_FALSE(history.Save(run_));
  }
  EXPECT_NE(FailureMessage(history.SaveStatus()), "");
  EXPECT_EQ(ReadBytes(path_), "2026-12-08T10:00:00,1,2,2,10.00\r\n");
  EXPECT_TRUE(history.Save(run_));
  EXPECT_EQ(history.SaveStatus(), Status::Ok());
}

}  // namespace
}  // namespace parlavo

#include "file_man.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "status_failure.h"
#include "temp_files.h"

namespace parlavo {
namespace {

using namespace testing_files;
using Lines = std::vector<std::string>;

class FileManTest : public ScratchFileTest {};

TEST_F(FileManTest, MissingFileIsCreatedEmptyAndStaysEmpty) {
  {
    TFileMan results(path_);
    EXPECT_TRUE(std::filesystem::exists(path_));
    EXPECT_TRUE(results.ResultLines.empty());
    EXPECT_EQ(results.LoadStatus(), Status::Ok());
    EXPECT_TRUE(results.Save());
  }
  EXPECT_EQ(ReadBytes(path_), "");
}

// Without Close the destructor makes the last save; after it, the file is not
// written again.
TEST_F(FileManTest, ClosingSavesOnceAndTheDestructorNoMore) {
  {
    TFileMan results(path_);
    results.ResultLines.push_back("tengo,tener,1,1,1,10,4");
  }
  EXPECT_EQ(ReadBytes(path_), "tengo,tener,1,1,1,10,4\r\n");
  {
    TFileMan results(path_);
    results.ResultLines.push_back("como,comer,1,1,0,9,3");
    EXPECT_TRUE(results.Close());
    EXPECT_EQ(ReadBytes(path_), "tengo,tener,1,1,1,10,4\r\ncomo,comer,1,1,0,9,3\r\n");
    std::filesystem::remove(path_);
  }
  EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(FileManTest, LoadsEveryLineAndSavesThemWithCrLf) {
  const struct {
    const char* bytes;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a,1\r\nb,2\r\n", {"a,1", "b,2"}},
      {"a,1\r\nb,2", {"a,1"}},  // a last line without its line end was cut short
      {"a,1\nb,2\n", {"a,1", "b,2"}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},  // a blank line is kept for the statistics to find
      {"\xE9l habl\xF3,hablar\r\n", {"\xE9l habl\xF3,hablar"}},
  };
  for (const auto& c : cases) {
    Put(c.bytes);
    TFileMan results(path_);
    EXPECT_EQ(results.ResultLines, c.lines) << c.bytes;
    ASSERT_TRUE(results.Save());
    std::string expected;
    for (const std::string& line : c.lines) expected += line + "\r\n";
    EXPECT_EQ(ReadBytes(path_), expected) << c.bytes;
  }
}

TEST_F(FileManTest, AppendedLinesReachTheFileOnSaveAndAtTheEnd) {
  Put("hablo,hablar,1,1,0,10,4\r\n");
  {
    TFileMan results(path_);
    results.ResultLines.push_back("como,comer,1,1,0,9,3");
    ASSERT_TRUE(results.Save());
    EXPECT_EQ(ReadBytes(path_), "hablo,hablar,1,1,0,10,4\r\ncomo,comer,1,1,0,9,3\r\n");
    results.ResultLines.push_back("vivo,vivir,1,1,0,7,8");
  }  // the last save happens on destruction
  EXPECT_EQ(TFileMan(path_).ResultLines,
            (Lines{"hablo,hablar,1,1,0,10,4", "como,comer,1,1,0,9,3", "vivo,vivir,1,1,0,7,8"}));
}

TEST_F(FileManTest, TestedFormsAreFoundIgnoringCaseAccentsIncluded) {
  Put("Hablo,hablar,1,1,0,10,4\r\n"
      "\xC9l habl\xF3,hablar,4,2,0,10,4\r\n"
      "hablo,hablar,1,1,0,9,6\r\n"
      "  ha hablado ,haber,1,4,0,10,4\r\n");
  TFileMan results(path_);
  results.BuildTestedIndex();
  const struct {
    const char* form;
    bool tested;
  } cases[] = {
      {"hablo", true},        {"HABLO", true}, {"\xE9l habl\xD3", true},
      {"ha hablado", true},   {"habl", false}, {"hablar", false},
      {"\xC9l hablo", false}, {"", false},     {"zzz", false},
  };
  for (const auto& c : cases) EXPECT_EQ(results.IsTested(c.form), c.tested) << c.form;
  EXPECT_EQ(results.TestedIndex().size(), 3u) << "one entry per form, whatever its case";

  results.ResultLines.push_back("como,comer,1,1,0,10,2");
  EXPECT_FALSE(results.IsTested("como")) << "the index is a snapshot";
  results.BuildTestedIndex();
  EXPECT_TRUE(results.IsTested("COMO"));
}

TEST_F(FileManTest, SelectLineFeedsTheTokenReaderAndBeyondTheEndSaysError) {
  Put("hablo,hablar,1,1,0,10,4\r\n");
  TFileMan results(path_);
  EXPECT_EQ(results.SelectLine(0), "hablo,hablar,1,1,0,10,4");
  EXPECT_EQ(results.NextToken(','), "hablo");
  EXPECT_EQ(results.SelectLine(1), "ERROR");
  EXPECT_EQ(results.NextToken(','), "hablar") << "the buffer is left as it was";
}

class FileManSaveFailure : public ::testing::TestWithParam<WriteFailure> {};

TEST_P(FileManSaveFailure, KeepsThePreviousFileAndTheLinesAndReportsOnce) {
  TempDir dir;
  const std::string path = dir.File("Results.txt");
  WriteBytes(path, "hablo,hablar,1,1,0,10,4\r\n");
  TFileMan results(path);
  results.ResultLines.push_back("como,comer,1,1,0,9,3");
  {
    FailingWrites failing(GetParam(), dir.Path());
    if (!failing.Works()) GTEST_SKIP() << "this user can write into read-only folders";
    EXPECT_FALSE(results.Save());
    EXPECT_TRUE(results.SaveFailedNewly());
    EXPECT_NE(FailureMessage(results.SaveStatus()).find(path), std::string::npos) << results.SaveStatus();
    EXPECT_FALSE(results.Save());
    EXPECT_FALSE(results.SaveFailedNewly()) << "a lasting failure is reported once";
    EXPECT_NE(FailureMessage(results.SaveStatus()), "");
  }
  EXPECT_EQ(ReadBytes(path), "hablo,hablar,1,1,0,10,4\r\n");
  EXPECT_EQ(results.ResultLines.size(), 2u);
  EXPECT_TRUE(results.Save());
  EXPECT_EQ(results.SaveStatus(), Status::Ok());
  EXPECT_EQ(ReadBytes(path), "hablo,hablar,1,1,0,10,4\r\ncomo,comer,1,1,0,9,3\r\n");
}

INSTANTIATE_TEST_SUITE_P(Ways, FileManSaveFailure,
                         ::testing::Values(WriteFailure::kReadOnlyFolder, WriteFailure::kDiskFull),
                         [](const auto& info) { return Describe(info.param); });

TEST_F(FileManTest, UnreadableFileIsNeverOverwrittenAndIsMergedOnceReadable) {
  std::filesystem::create_directory(path_);  // stands for a file that cannot be read
  auto results = std::make_unique<TFileMan>(path_);
  EXPECT_NE(FailureMessage(results->LoadStatus()).find(path_), std::string::npos) << results->LoadStatus();
  EXPECT_TRUE(results->ResultLines.empty());
  results->ResultLines.push_back("como,comer,1,1,0,9,3");

  EXPECT_FALSE(results->Save());
  EXPECT_TRUE(results->SaveFailedNewly());
  EXPECT_TRUE(std::filesystem::is_directory(path_));

  // The file can be read again: its lines come first, this run's follow.
  std::filesystem::remove(path_);
  WriteBytes(path_, "hablo,hablar,1,1,0,10,4\r\n");
  EXPECT_TRUE(results->Save());
  EXPECT_EQ(results->ResultLines, (Lines{"hablo,hablar,1,1,0,10,4", "como,comer,1,1,0,9,3"}));
  results.reset();
  EXPECT_EQ(ReadBytes(path_), "hablo,hablar,1,1,0,10,4\r\ncomo,comer,1,1,0,9,3\r\n");
}

// At the end, answers that cannot reach the results file go to a file of their own
// beside it, named after the time; when even that fails the caller hears why.
TEST(UnsavedAnswers, GoToAFileOfTheirOwnBesideTheResults) {
  TempDir dir;
  const std::string path = dir.File("Results.txt");
  std::filesystem::create_directory(path);  // a results file that can never be read or written
  TFileMan results(path);
  results.ResultLines = {"hablo,hablar,1,1,0,10,4", "como,comer,1,1,0,9,3"};
  EXPECT_FALSE(results.Close());
  EXPECT_EQ(results.UnsavedLines().size(), 2u);

  std::tm now{};
  now.tm_year = 2026 - 1900;
  now.tm_mon = 11;
  now.tm_mday = 10;
  now.tm_hour = 14;
  now.tm_min = 5;
  now.tm_sec = 9;
  const TFileMan::UnsavedLinesFile first = results.WriteUnsavedLines(now);
  EXPECT_EQ(first.status, Status::Ok());
  EXPECT_EQ(first.path, dir.File("Results-unsaved-20261210-140509.txt"));
  EXPECT_EQ(ReadBytes(first.path), "hablo,hablar,1,1,0,10,4\r\ncomo,comer,1,1,0,9,3\r\n");
  EXPECT_EQ(results.WriteUnsavedLines(now).path, dir.File("Results-unsaved-20261210-140509-2.txt"))
      << "an earlier file of the same second is kept";

  FailingWrites failing(WriteFailure::kReadOnlyFolder, dir.Path());
  if (failing.Works()) {  // root writes into read-only folders
    now.tm_sec = 10;
    const TFileMan::UnsavedLinesFile failed = results.WriteUnsavedLines(now);
    EXPECT_EQ(failed.path, "");
    const std::string error = FailureMessage(failed.status);
    EXPECT_NE(error.find("Results-unsaved-20261210-140510.txt"), std::string::npos) << error;
  }
}

// Only the answers that are not in the file count as unsaved.
TEST(UnsavedAnswers, AreTheLinesNotYetInTheFile) {
  TempDir dir;
  const std::string path = dir.File("Results.txt");
  WriteBytes(path, "hablo,hablar,1,1,0,10,4\r\n");
  TFileMan results(path);
  EXPECT_TRUE(results.UnsavedLines().empty());
  results.ResultLines.push_back("como,comer,1,1,0,9,3");
  EXPECT_EQ(results.UnsavedLines(), (Lines{"como,comer,1,1,0,9,3"}));
  {
    FailingWrites failing(WriteFailure::kDiskFull, dir.Path());
    EXPECT_FALSE(results.SaveNew());
  }
  EXPECT_EQ(results.UnsavedLines(), (Lines{"como,comer,1,1,0,9,3"}));
  EXPECT_TRUE(results.SaveNew());
  EXPECT_TRUE(results.UnsavedLines().empty());
}

}  // namespace
}  // namespace parlavo

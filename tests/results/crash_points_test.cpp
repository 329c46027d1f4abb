// The results file under crashes and failing disks: a child process is killed at
// chosen points of a save (through the fault-injecting file layer), and the next
// start must find every complete line, no fragment among them, and no litter once
// the stale temporaries are cleared.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "durable_append.h"
#include "fault_injection.h"
#include "file_man.h"
#include "stale_temporaries.h"
#include "status_failure.h"
#include "temp_files.h"

namespace parlavo {
namespace {

using namespace testing_files;
using fault::Call;
using fault::Plan;
using Lines = std::vector<std::string>;

const std::string kOld = "hablo,hablar,1,1,0,10,4";
const std::string kNew = "comemos,comer,7,1,0,9,3";
const std::string kNext = "vivo,vivir,1,1,0,10,2";

enum class Save { kAppend, kRewrite };

struct CrashPoint {
  const char* name;
  Save save;
  Plan plan;
  bool newLineSurvives;  // the line being saved is in the file after the crash
  bool leavesTemporary;
};

// Runs one save in a child process armed with `plan`; returns how it ended.
int SaveInChild(const std::string& path, Save save, const Plan& plan) {
  const pid_t child = ::fork();
  if (child == 0) {
    TFileMan results(path);
    results.ResultLines.push_back(kNew);
    fault::Arm(plan);
    const bool saved = save == Save::kAppend ? results.SaveNew() : results.Save();
    fault::Disarm();
    ::_exit(saved ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return status;
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

class CrashPointTest : public ::testing::TestWithParam<CrashPoint> {};

TEST_P(CrashPointTest, NextStartFindsWholeLinesAndClearsTheLitter) {
  const CrashPoint& point = GetParam();
  TempDir dir;
  const std::string path = dir.File("Results.txt");
  WriteBytes(path, kOld + "\r\n");

  const int status = SaveInChild(path, point.save, point.plan);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child was not killed at the point";

  // The next start: stale temporaries go first, as the program does under its lock.
  const auto removed = RemoveStaleTemporaries(dir.Path().string(), {"Results.txt"});
  EXPECT_EQ(removed.size(), point.leavesTemporary ? 1u : 0u);
  EXPECT_EQ(FolderEntries(dir.Path()), Lines{"Results.txt"});

  TFileMan results(path);
  const Lines expected = point.newLineSurvives ? Lines{kOld, kNew} : Lines{kOld};
  EXPECT_EQ(results.ResultLines, expected);
  EXPECT_EQ(results.LoadStatus(), Status::Ok());

  // The next answer lands behind whole lines, whatever the crash left.
  results.ResultLines.push_back(kNext);
  ASSERT_TRUE(results.SaveNew()) << results.SaveStatus();
  std::string bytes;
  for (const std::string& line : expected) bytes += line + "\r\n";
  EXPECT_EQ(ReadBytes(path), bytes + kNext + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Points, CrashPointTest,
    ::testing::Values(
        CrashPoint{"AppendKilledMidLine", Save::kAppend, Plan{Call::kWrite, 0, true, 0, 9}, false, false},
        CrashPoint{"AppendKilledBetweenWriteAndFlush", Save::kAppend, Plan{Call::kDataSync}, true, false},
        CrashPoint{"RewriteKilledMidLine", Save::kRewrite, Plan{Call::kWrite, 0, true, 0, 9}, false, true},
        CrashPoint{"RewriteKilledBetweenWriteAndFlush", Save::kRewrite, Plan{Call::kFileSync}, false, true},
        CrashPoint{"RewriteKilledBetweenFlushAndRename", Save::kRewrite, Plan{Call::kRename}, false, true},
        CrashPoint{"RewriteKilledBeforeTheFolderFlush", Save::kRewrite, Plan{Call::kFileSync, 1}, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A line cut short is left out with a note naming the file, and the first save
// writes the file whole without it.
TEST(CutShortLine, IsLeftOutWithANoteAndTheFileRepairedAtTheFirstSave) {
  TempDir dir;
  const std::string path = dir.File("Results.txt");
  WriteBytes(path, kOld + "\r\ncomemos,com");
  TFileMan results(path);
  EXPECT_EQ(results.ResultLines, Lines{kOld});
  EXPECT_NE(results.LoadNote().find(path), std::string::npos) << results.LoadNote();
  EXPECT_NE(results.LoadNote().find("comemos,com"), std::string::npos) << results.LoadNote();
  ASSERT_TRUE(results.SaveNew());
  EXPECT_EQ(ReadBytes(path), kOld + "\r\n");
  EXPECT_EQ(TFileMan(path).LoadNote(), "");
}

// An append never writes behind a fragment, which would glue two lines together.
TEST(CutShortLine, AppendRefusesAFileThatEndsMidLine) {
  TempDir dir;
  const std::string path = dir.File("Results.txt");
  WriteBytes(path, kOld + "\r\nfrag");
  const AppendResult result = AppendLinesDurably(path, kNew + "\r\n");
  EXPECT_EQ(result.status, AppendStatus::kUnterminated);
  EXPECT_EQ(ReadBytes(path), kOld + "\r\nfrag");
}

// The file is appended to, not rewritten: the same file (inode) grows by the line.
TEST(DurableAppend, AnswersGoBehindTheFileWithoutRewritingIt) {
  TempDir dir;
  const std::string path = dir.File("Results.txt");
  WriteBytes(path, kOld + "\r\n");
  TFileMan results(path);
  struct stat before {};
  ::stat(path.c_str(), &before);
  results.ResultLines.push_back(kNew);
  ASSERT_TRUE(results.SaveNew());
  results.ResultLines.push_back(kNext);
  ASSERT_TRUE(results.SaveNew());
  ASSERT_TRUE(results.SaveNew()) << "nothing new is no failure";
  struct stat after {};
  ::stat(path.c_str(), &after);
  EXPECT_EQ(before.st_ino, after.st_ino);
  EXPECT_EQ(ReadBytes(path), kOld + "\r\n" + kNew + "\r\n" + kNext + "\r\n");
  EXPECT_TRUE(results.UnsavedLines().empty());
}

TEST(DurableAppend, AFileDeletedWhileRunningGetsEveryLineBack) {
  TempDir dir;
  const std::string path = dir.File("Results.txt");
  WriteBytes(path, kOld + "\r\n");
  TFileMan results(path);
  std::filesystem::remove(path);
  results.ResultLines.push_back(kNew);
  ASSERT_TRUE(results.SaveNew());
  EXPECT_EQ(ReadBytes(path), kOld + "\r\n" + kNew + "\r\n");
}

// Failing disks, in process: the file keeps exactly its whole lines, the answers
// stay in memory, and the next save after the disk recovers writes each once.
struct DiskFault {
  const char* name;
  Plan plan;
  const char* reason;
};

class DiskFaultTest : public ::testing::TestWithParam<DiskFault> {};

TEST_P(DiskFaultTest, FileStaysWholeAndTheAnswerIsWrittenOnceLater) {
  TempDir dir;
  const std::string path = dir.File("Results.txt");
  WriteBytes(path, kOld + "\r\n");
  TFileMan results(path);
  results.ResultLines.push_back(kNew);
  fault::Arm(GetParam().plan);
  EXPECT_FALSE(results.SaveNew());
  fault::Disarm();
  EXPECT_EQ(fault::Strikes(), 1);
  EXPECT_TRUE(results.SaveFailedNewly());
  const std::string error = FailureMessage(results.SaveStatus());
  EXPECT_NE(error.find(path), std::string::npos) << error;
  EXPECT_NE(error.find(GetParam().reason), std::string::npos) << error;
  EXPECT_EQ(ReadBytes(path), kOld + "\r\n");
  EXPECT_EQ(results.UnsavedLines(), Lines{kNew});

  results.ResultLines.push_back(kNext);
  ASSERT_TRUE(results.SaveNew());
  EXPECT_EQ(ReadBytes(path), kOld + "\r\n" + kNew + "\r\n" + kNext + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DiskFaultTest,
    ::testing::Values(DiskFault{"DiskFullMidLine", Plan{Call::kWrite, 0, false, ENOSPC, 9}, "No space left"},
                      DiskFault{"DiskFullAtOnce", Plan{Call::kWrite, 0, false, ENOSPC}, "No space left"},
                      DiskFault{"FlushFails", Plan{Call::kDataSync, 0, false, EIO}, "Input/output error"}),
    [](const auto& info) { return std::string(info.param.name); });

// The folder flush after the rename can fail with the new file already in place:
// it is reported, and the next save writes the file whole, each line once.
TEST(FolderFlush, AFailureIsReportedAndTheNextSaveWritesEachLineOnce) {
  TempDir dir;
  const std::string path = dir.File("Results.txt");
  WriteBytes(path, kOld + "\r\n");
  TFileMan results(path);
  results.ResultLines.push_back(kNew);
  fault::Arm(Plan{Call::kFileSync, 1, false, EIO});
  EXPECT_FALSE(results.Save());
  fault::Disarm();
  EXPECT_NE(FailureMessage(results.SaveStatus()).find("flush the folder of '" + path + "'"), std::string::npos)
      << results.SaveStatus();
  results.ResultLines.push_back(kNext);
  ASSERT_TRUE(results.SaveNew());
  EXPECT_EQ(ReadBytes(path), kOld + "\r\n" + kNew + "\r\n" + kNext + "\r\n");
}

}  // namespace
}  // namespace parlavo

#include "ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>

#include "status_failure.h"
#include "temp_files.h"

namespace parlavo {
namespace {

using namespace testing_files;

class IniFileTest : public testing_files::ScratchFileTest {
 protected:
  IniFile WithContent(const std::string& bytes) { return IniFile(Put(bytes)); }
};

// What a read of section/key gives; "<none>" for a key that is not found.
struct ReadCase {
  const char* section;
  const char* key;
  const char* value;
};
void ExpectReads(const IniFile& ini, std::initializer_list<ReadCase> cases) {
  for (const ReadCase& c : cases) EXPECT_EQ(ini.Read(c.section, c.key, "<none>"), c.value) << c.section << "/" << c.key;
}

TEST_F(IniFileTest, FindsSectionsAndKeysIgnoringCaseAndBlanks) {
  const IniFile ini = WithContent(
      "; exact=7 is only a comment\r\n"
      "  [ Options ]  \r\n"
      "  Exact  =  0  \r\n"
      "exact=5\r\n"  // a repeated key: the first one counts
      "[Filter]\n"   // LF alone ends a line too
      "\xC9lPEOPLE=True,False\n"
      "Broken line without equals\n"
      "[options]\r\n"
      "beep=9\r\n");
  // clang-format off
  ExpectReads(ini, {
      {"Options", "exact", "0"},
      {"OPTIONS", "EXACT", "0"},
      {" options ", " exact ", "0"},
      {"filter", "\xE9lpeople", "True,False"},  // accented letters fold too
      {"Options", "beep", "<none>"},             // only the first [Options] counts
      {"Options", "; exact", "<none>"},
      {"Nowhere", "exact", "<none>"},
      {"Filter", "Broken line without equals", "<none>"},
  });
  // clang-format on
}

TEST_F(IniFileTest, MissingFileReadsAsEmptyAndFirstWriteCreatesIt) {
  IniFile ini(path_);
  EXPECT_EQ(ini.Read("Options", "exact", "dflt"), "dflt");
  EXPECT_FALSE(std::filesystem::exists(path_));
  ASSERT_EQ(ini.Write("Filter", "List", "a,b"), Status::Ok());
  EXPECT_EQ(ReadBytes(path_), "[Filter]\r\nList=a,b\r\n");
  EXPECT_EQ(ini.Read("filter", "list"), "a,b");
}

TEST_F(IniFileTest, WriteEditsInPlaceAndKeepsEveryOtherLine) {
  IniFile ini = WithContent(
      "; kept comment\n"
      "[Options]\n"
      "  exact = 1  \n"
      "odd line\n"
      "\n"
      "[Default]\n"
      "Count=1\n"
      "1=Present");  // no line end at the end of the file
  ASSERT_EQ(ini.Write("OPTIONS", {{"EXACT", "0"}, {"beep", "1"}}), Status::Ok());
  ASSERT_EQ(ini.Write("Filter", "List", "x"), Status::Ok());
  EXPECT_EQ(ReadBytes(path_),
            "; kept comment\r\n"
            "[Options]\r\n"
            "EXACT=0\r\n"
            "odd line\r\n"
            "beep=1\r\n"  // a new key follows the section's last line, before the blank
            "\r\n"
            "[Default]\r\n"
            "Count=1\r\n"
            "1=Present\r\n"
            "\r\n"
            "[Filter]\r\n"
            "List=x\r\n");
}

TEST_F(IniFileTest, ValueIsWrittenVerbatimButCannotBreakTheLine) {
  IniFile ini(path_);
  ASSERT_EQ(ini.Write("Filter", "MineEXTRA", "  hablar  "), Status::Ok());
  EXPECT_EQ(ReadBytes(path_), "[Filter]\r\nMineEXTRA=  hablar  \r\n");
  ASSERT_EQ(ini.Write("Filter", "MineEXTRA", "x\r\n[Options]\r\nexact=0"), Status::Ok());
  EXPECT_EQ(ini.Read("Options", "exact", "none"), "none");
  EXPECT_EQ(ini.Read("Filter", "MineEXTRA"), "x  [Options]  exact=0");
}

TEST_F(IniFileTest, FileThatCannotBeReadIsNeverOverwritten) {
  std::filesystem::create_directory(path_);  // a folder where the file should be
  IniFile ini(path_);
  EXPECT_EQ(ini.Read("Options", "exact", "dflt"), "dflt");
  const std::string error = FailureMessage(ini.Write("Options", "exact", "0"));
  EXPECT_NE(error.find(path_), std::string::npos) << error;
  EXPECT_TRUE(std::filesystem::is_directory(path_));
}

TEST_F(IniFileTest, OddContentIsKeptAndNeverBreaksReadsOrWrites) {
  // clang-format off
  const std::string odd[] = {
      std::string("\0[Other]\0\r\nexact=\0\r\n", 20),
      "[", "]", "=", "[]=x\r\n", "[Options\r\nexact=0", "\xEF\xBB\xBF[Options]\r\n",
      std::string(100000, 'x'), "\r\r\r\n\n",
  };
  // clang-format on
  for (const std::string& bytes : odd) {
    IniFile ini = WithContent(bytes);
    EXPECT_EQ(ini.Read("Options", "exact", "none"), "none");
    ASSERT_EQ(ini.Write("Options", "exact", "0"), Status::Ok());
    EXPECT_EQ(ini.Read("Options", "exact"), "0");
    const std::string after = ReadBytes(path_);
    // Everything that was there is still there, byte for byte, apart from line ends.
    std::string kept;
    for (char c : bytes)
      if (c != '\r' && c != '\n') kept += c;
    std::string left;
    for (char c : after.substr(0, after.rfind("[Options]")))
      if (c != '\r' && c != '\n') left += c;
    EXPECT_EQ(left.substr(0, kept.size()), kept);
  }
}

// Lines a hand (or an earlier build that stored any filter name) could leave in the
// file: only a line that is a header as a whole opens a section.
TEST_F(IniFileTest, OnlyWholeHeaderLinesOpenSections) {
  // clang-format off
  const IniFile ini = WithContent(
      "[Filter]\r\n"
      "[Options]PEOPLE=True,False\r\n"  // a filter named "[Options]"
      "[x]TENSES=\r\n"
      "[a=b]\r\n"                       // a key "[a" in brackets, not a section "a=b"
      "[Options] ; the real one\r\n"
      "exact=0\r\n"
      "[Default]garbage\r\n"            // no header: its key stays in [Options]
      "beep=0\r\n");
  ExpectReads(ini, {
      {"Options", "exact", "0"},
      {"Options", "beep", "0"},
      {"Filter", "[Options]PEOPLE", "True,False"},
      {"Filter", "[x]TENSES", ""},
      {"Filter", "[a", "b]"},
      {"Filter", "exact", "<none>"},
      {"Options", "[Options]PEOPLE", "<none>"},
      {"a=b", "exact", "<none>"},
      {"Default", "beep", "<none>"},
  });
  // clang-format on
}

// The case that used to hijack the options: a filter key line that looks like the
// [Options] header stands before the real section.
TEST_F(IniFileTest, OptionsAreWrittenToTheRealSectionPastAHeaderLikeKey) {
  IniFile ini = WithContent(
      "[Filter]\r\n"
      "[Options]PEOPLE=True\r\n"
      "\r\n"
      "[Options]\r\n"
      "exact=1\r\n");
  ASSERT_EQ(ini.Write("Options", {{"exact", "0"}, {"beep", "1"}}), Status::Ok());
  EXPECT_EQ(ReadBytes(path_),
            "[Filter]\r\n"
            "[Options]PEOPLE=True\r\n"
            "\r\n"
            "[Options]\r\n"
            "exact=0\r\n"
            "beep=1\r\n");
}

TEST_F(IniFileTest, KeyThatCouldNotBeReadBackIsRefusedAndTheFileKept) {
  const std::string before = "[Filter]\r\nList=a\r\n";
  IniFile ini = WithContent(before);
  for (const char* key : {";x", "[Options]PEOPLE", "a=bPEOPLE", "  ", " ;x"}) {
    const std::string error = FailureMessage(ini.Write("Filter", {{"fine", "1"}, {key, "True"}}));
    EXPECT_NE(error.find(path_), std::string::npos) << key << ": " << error;
    EXPECT_NE(error.find("cannot be stored"), std::string::npos) << key << ": " << error;
    EXPECT_EQ(ReadBytes(path_), before) << key;
  }
}

class IniFileWriteFailure : public ::testing::TestWithParam<WriteFailure> {};

TEST_P(IniFileWriteFailure, ReportsTheFileAndLeavesTheOldOneWhole) {
  TempDir dir;
  const std::string path = dir.File("Parlavo.ini");
  const std::string before = "[Options]\r\nexact=1\r\n";
  WriteBytes(path, before);
  IniFile ini(path);
  std::string error;
  {
    FailingWrites failing(GetParam(), dir.Path());
    if (!failing.Works()) GTEST_SKIP() << "this user can write into read-only folders";
    error = FailureMessage(ini.Write("Options", {{"exact", "0"}, {"beep", "0"}, {"pausetime", "0.75"}}));
  }
  EXPECT_NE(error.find(path), std::string::npos) << error;
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1)
      << "no temporary file is left behind";
}

INSTANTIATE_TEST_SUITE_P(Ways, IniFileWriteFailure,
                         ::testing::Values(WriteFailure::kReadOnlyFolder, WriteFailure::kDiskFull),
                         [](const auto& info) { return testing_files::Describe(info.param); });

}  // namespace
}  // namespace parlavo

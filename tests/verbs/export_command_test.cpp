#include "export_command.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "atomic_file.h"
#include "verb_fixtures.h"

namespace parlavo {
namespace {

namespace fs = std::filesystem;

// Runs the command inside a scratch folder, as the program would in its own.
class ExportCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    old = fs::current_path();
    dir = fs::path(::testing::TempDir()) / ("export_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::current_path(dir);
  }
  void TearDown() override {
    fs::current_path(old);
    fs::permissions(dir, fs::perms::owner_all);
    fs::remove_all(dir);
  }
  void WriteVerbIni(const std::string& stored) {
    ASSERT_EQ(WriteFileAtomically("verb.ini", [&](std::ostream& o) { o << stored; }), Status::Ok());
  }
  int Run(ExportKind kind) {
    err.str("");
    return RunExportCommand(kind, err);
  }
  fs::path old, dir;
  std::ostringstream err;
};

// The window's message, then the loader's reason on a line of its own.
TEST_F(ExportCommandTest, MissingOrDamagedVerbIniSaysWhy) {
  const std::string good = ComposeVerbFile(testing::CrLf({"@ser;to be", ""}));
  const struct {
    const char* name;
    std::string stored;  // "" for no file
    std::string reason;
  } cases[] = {
      {"missing", "", "Cannot read 'verb.ini': No such file or directory"},
      {"wrong marker", good.substr(1), "line 1 is not the opening marker; count mismatch: expected 42, found 43"},
      {"bad tense code", ComposeVerbFile(testing::CrLf({"@ser;to be", "x1:soy", ""})),
       "line 3: the tense code 'x1' is not a number"},
  };
  for (const auto& c : cases) {
    fs::remove("verb.ini");
    if (!c.stored.empty()) WriteVerbIni(c.stored);
    for (ExportKind kind : {ExportKind::AllVerbs, ExportKind::SpecialVerbs}) {
      EXPECT_EQ(Run(kind), 1) << c.name;
      EXPECT_EQ(err.str(), "No verb datafile found.  Unable to continue\n" + c.reason + "\n") << c.name;
    }
    EXPECT_FALSE(fs::exists("AllVerbs.txt"));
    EXPECT_FALSE(fs::exists("SpecialVerbs.txt"));
  }
}

TEST_F(ExportCommandTest, WritesBothListings) {
  WriteVerbIni(ComposeVerbFile(testing::CrLf({"@ser;to be", "", "@ser;to exist", ""})));
  ASSERT_EQ(Run(ExportKind::AllVerbs), 0) << err.str();
  ASSERT_EQ(Run(ExportKind::SpecialVerbs), 0) << err.str();
  std::string all, special;
  ASSERT_TRUE(ReadWholeFile("AllVerbs.txt", all));
  ASSERT_TRUE(ReadWholeFile("SpecialVerbs.txt", special));
  EXPECT_EQ(all.rfind("****", 0), 0u);
  // The duplicated infinitive is one block that lists the items of both verbs.
  std::size_t blocks = 0;
  for (std::size_t at = 0; (at = all.find("*  SER : to be\r\n", at)) != std::string::npos; ++at) ++blocks;
  EXPECT_EQ(blocks, 1u);
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 5 + 2 * (153 + 45) + 3);
  EXPECT_EQ(std::count(special.begin(), special.end(), '\n'), 307);
}

// An installed program reads its verb data from elsewhere and still writes the
// listing into the working folder.
TEST_F(ExportCommandTest, VerbDataFromAnotherFolderListingHere) {
  fs::create_directories("shared");
  ASSERT_EQ(WriteFileAtomically("shared/verb.ini",
                                [](std::ostream& o) {
                                  o << ComposeVerbFile(testing::CrLf({"@ser;to be", ""}));
                                }),
            Status::Ok());
  EXPECT_EQ(RunExportCommand(ExportKind::SpecialVerbs, err, (dir / "shared" / "verb.ini").string()), 0) << err.str();
  EXPECT_TRUE(fs::exists("SpecialVerbs.txt"));
  EXPECT_FALSE(fs::exists("shared/SpecialVerbs.txt"));
}

TEST_F(ExportCommandTest, UnwritableFolderLeavesNoFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
  WriteVerbIni(ComposeVerbFile(testing::CrLf({"@ser;to be", ""})));
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(Run(ExportKind::AllVerbs), 2);
  EXPECT_NE(err.str().find("AllVerbs.txt"), std::string::npos) << err.str();
  EXPECT_NE(err.str().find("Permission denied"), std::string::npos) << err.str();
  fs::permissions(dir, fs::perms::owner_all);
  EXPECT_FALSE(fs::exists("AllVerbs.txt"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(ExportCommandTest, FailedWriteKeepsNoPartialFile) {
  WriteVerbIni(ComposeVerbFile(testing::CrLf({"@ser;to be", ""})));
  fs::create_directories("SpecialVerbs.txt/inner");
  EXPECT_EQ(Run(ExportKind::SpecialVerbs), 2);
  EXPECT_NE(err.str().find("SpecialVerbs.txt"), std::string::npos) << err.str();
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace parlavo

#include "atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>
#include <stdexcept>

#include "status_failure.h"

namespace parlavo {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::path(::testing::TempDir()) / ("atomic_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    path = (dir / "out.txt").string();
  }
  void TearDown() override {
    fs::permissions(dir, fs::perms::owner_all);
    fs::remove_all(dir);
  }
  std::string Read() {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes));
    return bytes;
  }
  std::size_t Entries() { return std::distance(fs::directory_iterator(dir), fs::directory_iterator()); }
  fs::path dir;
  std::string path;
};

TEST_F(AtomicFileTest, WritesAndReplaces) {
  EXPECT_EQ(WriteFileAtomically(path, [](std::ostream& o) { o << "first\r\n"; }), Status::Ok());
  EXPECT_EQ(Read(), "first\r\n");
  EXPECT_EQ(WriteFileAtomically(path, [](std::ostream& o) { o << std::string("a\0b", 3); }), Status::Ok());
  EXPECT_EQ(Read(), std::string("a\0b", 3));
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, KeepsModeOfReplacedFile) {
  ASSERT_EQ(WriteFileAtomically(path, [](std::ostream& o) { o << "x"; }), Status::Ok());
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_EQ(WriteFileAtomically(path, [](std::ostream& o) { o << "y"; }), Status::Ok());
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(AtomicFileTest, FailingWriterLeavesOldFile) {
  ASSERT_EQ(WriteFileAtomically(path, [](std::ostream& o) { o << "old"; }), Status::Ok());
  const std::string error = FailureMessage(WriteFileAtomically(path, [](std::ostream& o) {
    o << "partial";
    throw std::runtime_error("disk full");
  }));
  EXPECT_NE(error.find("out.txt"), std::string::npos);
  EXPECT_NE(error.find("disk full"), std::string::npos);
  EXPECT_EQ(Read(), "old");
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, UnwritableFolderNamesFileAndReason) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  const std::string error = FailureMessage(WriteFileAtomically(path, [](std::ostream& o) { o << "x"; }));
  EXPECT_NE(error.find("out.txt"), std::string::npos) << error;
  EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
  fs::permissions(dir, fs::perms::owner_all);
  EXPECT_EQ(Entries(), 0u);
}

TEST_F(AtomicFileTest, FailedRenameRemovesTheTemporary) {
  // A folder in the way cannot be replaced by a file, not even by root.
  fs::create_directories(dir / "out.txt" / "inner");
  const std::string error = FailureMessage(WriteFileAtomically(path, [](std::ostream& o) { o << "x"; }));
  EXPECT_NE(error.find("out.txt"), std::string::npos) << error;
  EXPECT_NE(error.find("directory"), std::string::npos) << error;
  EXPECT_EQ(Entries(), 1u);
}

// People keep dotfiles as links into another folder: the write must land in the
// file the link names, leave the link in place and leave no temporary anywhere.
TEST_F(AtomicFileTest, WritesThroughSymbolicLinks) {
  const struct {
    const char* name;
    std::vector<std::pair<std::string, std::string>> links;  // link -> what it names
    std::string target;                                      // where the bytes must land
    bool targetExists;
  } cases[] = {
      {"relative link", {{"out.txt", "real.txt"}}, "real.txt", true},
      {"link into another folder", {{"out.txt", "DIR/dotfiles/real.ini"}}, "dotfiles/real.ini", true},
      {"chain of links", {{"out.txt", "hop"}, {"hop", "dotfiles/real.ini"}}, "dotfiles/real.ini", true},
      {"link to a file not there yet", {{"out.txt", "dotfiles/new.ini"}}, "dotfiles/new.ini", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(dir);
    fs::create_directories(dir / "dotfiles");
    if (c.targetExists) {
      std::ofstream(dir / c.target) << "old";
      fs::permissions(dir / c.target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    }
    for (const auto& [link, named] : c.links) {
      std::string to = named;
      if (to.rfind("DIR/", 0) == 0) to = (dir / to.substr(4)).string();
      fs::create_symlink(to, dir / link);
    }

    ASSERT_EQ(WriteFileAtomically(path, [](std::ostream& o) { o << "new"; }), Status::Ok());
    EXPECT_TRUE(fs::is_symlink(dir / "out.txt"));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile((dir / c.target).string(), bytes));
    EXPECT_EQ(bytes, "new");
    EXPECT_EQ(Read(), "new");
    if (c.targetExists) {
      EXPECT_EQ(fs::status(dir / c.target).permissions() & fs::perms::all,
                fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    }
    EXPECT_EQ(Entries(), c.links.size() + 1 + (fs::path(c.target).has_parent_path() ? 0 : 1));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "dotfiles"), fs::directory_iterator()),
              fs::path(c.target).has_parent_path() ? 1 : 0);
  }
}

TEST_F(AtomicFileTest, LinkLoopIsAnErrorAndChangesNothing) {
  fs::create_symlink("b", dir / "out.txt");
  fs::create_symlink("out.txt", dir / "b");
  const std::string error = FailureMessage(WriteFileAtomically(path, [](std::ostream& o) { o << "x"; }));
  EXPECT_NE(error.find("out.txt"), std::string::npos) << error;
  EXPECT_NE(error.find("symbolic links"), std::string::npos) << error;
  EXPECT_EQ(Entries(), 2u);
}

// The mode is what counts, so the refusal holds for root as well.
TEST_F(AtomicFileTest, ReadOnlyFileIsRefusedAndLeftAlone) {
  for (const bool throughLink : {false, true}) {
    SCOPED_TRACE(throughLink ? "through a link" : "the file itself");
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path file = dir / (throughLink ? "real.txt" : "out.txt");
    std::ofstream(file) << "kept";
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    if (throughLink) fs::create_symlink("real.txt", dir / "out.txt");

    const std::string error = FailureMessage(WriteFileAtomically(path, [](std::ostream& o) { o << "new"; }));
    EXPECT_NE(error.find("out.txt"), std::string::npos) << error;
    EXPECT_NE(error.find("read-only"), std::string::npos) << error;
    EXPECT_EQ(Read(), "kept");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(Entries(), throughLink ? 2u : 1u);
  }
}

TEST_F(AtomicFileTest, ReadErrors) {
  std::string bytes = "stale";
  std::string error = FailureMessage(ReadWholeFile((dir / "none").string(), bytes));
  EXPECT_EQ(bytes, "");
  EXPECT_EQ(error, "Cannot read '" + (dir / "none").string() + "': No such file or directory");
  error = FailureMessage(ReadWholeFile(dir.string(), bytes));
  EXPECT_NE(error.find("directory"), std::string::npos) << error;
}

}  // namespace
}  // namespace parlavo

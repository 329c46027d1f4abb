#include "atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

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
  EXPECT_EQ(WriteFileAtomically(path, [](std::ostream& o) { o << "first\r\n"; }), "");
  EXPECT_EQ(Read(), "first\r\n");
  EXPECT_EQ(WriteFileAtomically(path, [](std::ostream& o) { o << std::string("a\0b", 3); }), "");
  EXPECT_EQ(Read(), std::string("a\0b", 3));
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, KeepsModeOfReplacedFile) {
  ASSERT_EQ(WriteFileAtomically(path, [](std::ostream& o) { o << "x"; }), "");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_EQ(WriteFileAtomically(path, [](std::ostream& o) { o << "y"; }), "");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(AtomicFileTest, FailingWriterLeavesOldFile) {
  ASSERT_EQ(WriteFileAtomically(path, [](std::ostream& o) { o << "old"; }), "");
  const std::string error = WriteFileAtomically(path, [](std::ostream& o) {
    o << "partial";
    throw std::runtime_error("disk full");
  });
  EXPECT_NE(error.find("out.txt"), std::string::npos);
  EXPECT_NE(error.find("disk full"), std::string::npos);
  EXPECT_EQ(Read(), "old");
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, UnwritableFolderNamesFileAndReason) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  const std::string error = WriteFileAtomically(path, [](std::ostream& o) { o << "x"; });
  EXPECT_NE(error.find("out.txt"), std::string::npos) << error;
  EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
  fs::permissions(dir, fs::perms::owner_all);
  EXPECT_EQ(Entries(), 0u);
}

TEST_F(AtomicFileTest, FailedRenameRemovesTheTemporary) {
  // A folder in the way cannot be replaced by a file, not even by root.
  fs::create_directories(dir / "out.txt" / "inner");
  const std::string error = WriteFileAtomically(path, [](std::ostream& o) { o << "x"; });
  EXPECT_NE(error.find("out.txt"), std::string::npos) << error;
  EXPECT_NE(error.find("directory"), std::string::npos) << error;
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, ReadErrors) {
  std::string bytes = "stale", error;
  EXPECT_FALSE(ReadWholeFile((dir / "none").string(), bytes, &error));
  EXPECT_EQ(bytes, "");
  EXPECT_NE(error.find("No such file"), std::string::npos) << error;
  EXPECT_FALSE(ReadWholeFile(dir.string(), bytes, &error));
  EXPECT_NE(error.find("directory"), std::string::npos) << error;
}

}  // namespace
}  // namespace parlavo

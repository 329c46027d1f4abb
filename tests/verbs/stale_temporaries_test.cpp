#include "stale_temporaries.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace parlavo {
namespace {

namespace fs = std::filesystem;

TEST(StaleTemporaries, OnlyTheWriteTemporariesOfOurOwnFilesGo) {
  const fs::path folder = fs::temp_directory_path() / ("parlavo-stale-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  const struct {
    const char* name;
    bool removed;
  } cases[] = {
      {"Results.txt.Ab3xZ9", true},  {"Parlavo.ini.000000", true},   {"Results.txt", false},
      {"Parlavo.ini", false},        {"Results.txt.Ab3xZ", false},   {"Results.txt.Ab3xZ90", false},
      {"Results.txt.Ab-xZ9", false}, {"Results.txt.bak", false},     {"Other.txt.Ab3xZ9", false},
      {"results.txt.Ab3xZ9", false}, {"xResults.txt.Ab3xZ9", false},
  };
  for (const auto& c : cases) std::ofstream(folder / c.name) << "x";
  // Never a folder or a link, whatever its name: the link's target stays too.
  fs::create_directory(folder / "Results.txt.Folder");
  fs::create_symlink(folder / "Results.txt", folder / "Results.txt.Link00");

  const auto removed = RemoveStaleTemporaries(folder.string(), {"Results.txt", "Parlavo.ini"});
  EXPECT_EQ(removed.size(), 2u);
  for (const auto& c : cases) EXPECT_EQ(!fs::exists(folder / c.name), c.removed) << c.name;
  EXPECT_TRUE(fs::is_directory(folder / "Results.txt.Folder"));
  EXPECT_TRUE(fs::is_symlink(folder / "Results.txt.Link00"));
  EXPECT_TRUE(RemoveStaleTemporaries((folder / "missing").string(), {"Results.txt"}).empty());
  fs::remove_all(folder);
}

}  // namespace
}  // namespace parlavo

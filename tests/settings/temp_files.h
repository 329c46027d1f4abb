// Scratch folders and files for the settings and results tests.
#pragma once

#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

namespace parlavo::testing_files {

// A fresh folder under the system's temporary folder, removed with its content.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "parlavo-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes);

// A test with a scratch folder and one file path in it.
class ScratchFileTest : public ::testing::Test {
 protected:
  // Puts `bytes` into the file and returns its path.
  const std::string& Put(const std::string& bytes) {
    WriteBytes(path_, bytes);
    return path_;
  }
  TempDir dir_;
  std::string path_ = dir_.File("scratch.txt");
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Ways a whole-file write can fail underneath the program.
enum class WriteFailure { kReadOnlyFolder, kDiskFull };

// Makes writes into `dir` fail while it lives. A full disk is imitated with a tiny
// file size limit (works for root too); a read-only folder does not stop root, so
// Works() tells whether the failure is real on this machine.
class FailingWrites {
 public:
  FailingWrites(WriteFailure how, const std::filesystem::path& dir) : how_(how), dir_(dir) {
    if (how_ == WriteFailure::kDiskFull) {
      ::getrlimit(RLIMIT_FSIZE, &saved_);
      oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
      rlimit tiny = saved_;
      tiny.rlim_cur = 4;
      ::setrlimit(RLIMIT_FSIZE, &tiny);
      works_ = true;
    } else {
      std::filesystem::permissions(dir_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
      works_ = ::access(dir_.c_str(), W_OK) != 0;
    }
  }
  ~FailingWrites() {
    if (how_ == WriteFailure::kDiskFull) {
      ::setrlimit(RLIMIT_FSIZE, &saved_);
      ::signal(SIGXFSZ, oldHandler_);
    } else {
      std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
    }
  }
  FailingWrites(const FailingWrites&) = delete;
  FailingWrites& operator=(const FailingWrites&) = delete;

  bool Works() const { return works_; }

 private:
  WriteFailure how_;
  std::filesystem::path dir_;
  rlimit saved_{};
  sighandler_t oldHandler_ = SIG_DFL;
  bool works_ = false;
};

inline const char* Describe(WriteFailure how) { return how == WriteFailure::kDiskFull ? "DiskFull" : "ReadOnlyFolder"; }

}  // namespace parlavo::testing_files

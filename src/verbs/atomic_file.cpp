#include "atomic_file.h"

#include "posix_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <exception>
#include <ostream>
#include <streambuf>

namespace parlavo {

namespace {

// The content goes straight into the temporary file through a small buffer, so a
// large export is never held whole in memory. Written by hand: the standard library
// has no stream over a file descriptor.
class FdStreamBuf : public std::streambuf {
 public:
  explicit FdStreamBuf(int fd) : fd_(fd) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }
  // 0, or the errno of the first write that failed.
  int Error() const { return error_; }

 protected:
  int_type overflow(int_type c) override {
    if (!Drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override { return Drain() ? 0 : -1; }

 private:
  bool Drain() {
    if (error_ == 0) error_ = WriteAll(fd_, std::string_view(pbase(), static_cast<std::size_t>(pptr() - pbase())));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
  }

  int fd_;
  int error_ = 0;
  std::array<char, 64 * 1024> buffer_;
};

Status Describe(const std::string& action, const std::string& path, int error) {
  return Status::Error("Cannot " + action + " '" + path + "': " + std::strerror(error));
}

// A new file gets the permissions the user's umask gives any new file; a replaced
// one keeps its own.
mode_t ModeFor(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// The file a write to `path` must replace: the end of its chain of symbolic links
// (which need not exist yet), so a linked file is updated where it lives and the
// link stays. Replacing the link itself would cut it off from its target. Returns
// an errno value when the chain cannot be followed, else 0.
int FollowLinks(const std::string& path, std::string& target) {
  target = path;
  for (int hops = 0;; ++hops) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return 0;
    if (hops == 40) return ELOOP;
    std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
    const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
    if (n < 0) return errno;
    if (static_cast<std::size_t>(n) >= link.size()) return ENAMETOOLONG;
    link.resize(static_cast<std::size_t>(n));
    target = link.front() == '/' ? link : FolderOf(target) + "/" + link;
  }
}

// A file whose mode grants nobody writing is the owner's way of saying "leave it
// alone"; renaming over it would succeed all the same (the folder decides that),
// and root passes every access check, so the mode is read as well.
bool IsReadOnly(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

}  // namespace

Status WriteFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& writer) {
  std::string target;
  if (const int error = FollowLinks(path, target); error != 0) return Describe("write", path, error);
  if (IsReadOnly(target)) return Status::Error("Cannot write '" + path + "': the file is read-only");

  std::string temp = target + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return Describe("write", path, errno);

  int error = ::fchmod(fd, ModeFor(target)) == 0 ? 0 : errno;
  std::string unproduced;  // why the writer could not make the content, if it could not
  if (error == 0) {
    FdStreamBuf buffer(fd);
    std::ostream out(&buffer);
    try {
      writer(out);
      out.flush();
    } catch (const std::exception& e) {
      unproduced = e.what();
    }
    error = buffer.Error();
    if (error == 0 && unproduced.empty() && !out) unproduced = "the content could not be produced";
  }
  if (error == 0 && !unproduced.empty()) {
    ::close(fd);
    ::unlink(temp.c_str());
    return Status::Error("Cannot write '" + path + "': " + unproduced);
  }
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    return Describe("write", path, error);
  }
  // The rename is durable only once the folder is flushed; until then a crash may
  // bring the old file back, so a failure here is reported like any other.
  error = SyncFolder(target);
  if (error != 0) return Describe("flush the folder of", path, error);
  return Status::Ok();
}

Status ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return Describe("read", path, errno);
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const int e = errno;
      ::close(fd);
      bytes.clear();
      return Describe("read", path, e);
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return Status::Ok();
}

}  // namespace parlavo

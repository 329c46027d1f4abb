#include "durable_append.h"

#include "posix_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace parlavo {

namespace {

AppendResult Failed(const std::string& path, int error) {
  return {AppendStatus::kFailed, Status::Error("Cannot write '" + path + "': " + std::strerror(error))};
}

int DataSync(int fd) {
  while (::fdatasync(fd) != 0) {
    if (errno != EINTR) return errno;
  }
  return 0;
}

}  // namespace

AppendResult AppendLinesDurably(const std::string& path, std::string_view bytes) {
  // Opening without O_CREAT first tells a new file apart, whose folder needs a flush.
  bool created = false;
  int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) {
    fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    created = fd >= 0;
    if (fd < 0 && errno == EEXIST) fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  }
  if (fd < 0) return Failed(path, errno);

  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int error = errno;
    ::close(fd);
    return Failed(path, error);
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    return Failed(path, EISDIR);
  }
  const off_t oldSize = st.st_size;
  if (oldSize > 0) {
    // The last byte tells whether the file ends with a complete line; a write-only
    // descriptor cannot read it, so a second one looks.
    char last = 0;
    const int reader = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const bool read = reader >= 0 && ::pread(reader, &last, 1, oldSize - 1) == 1;
    const int error = read ? 0 : errno;
    if (reader >= 0) ::close(reader);
    if (!read) {
      ::close(fd);
      return Failed(path, error != 0 ? error : EIO);
    }
    if (last != '\n') {
      ::close(fd);
      return {AppendStatus::kUnterminated, Status::Ok()};
    }
  }

  int error = WriteAll(fd, bytes);
  if (error == 0) error = DataSync(fd);
  if (error != 0) {
    // Take back whatever part of the lines got in, so the file ends with a whole line.
    const bool cutBack = ::ftruncate(fd, oldSize) == 0 && DataSync(fd) == 0;
    ::close(fd);
    AppendResult failed = Failed(path, error);
    failed.fileChanged = !cutBack;
    return failed;
  }
  if (::close(fd) != 0) return Failed(path, errno);
  if (created) {
    if (const int folderError = SyncFolder(path); folderError != 0) return Failed(path, folderError);
  }
  return {AppendStatus::kAppended, Status::Ok()};
}

}  // namespace parlavo

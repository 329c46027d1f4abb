// The few POSIX steps that every careful write here is made of, each returning 0
// or the errno of the step that failed, so callers word the message themselves.
#pragma once

#include <string>
#include <string_view>

namespace parlavo {

// The folder that holds `path` ("." for a bare name).
std::string FolderOf(const std::string& path);

// Writes all of `bytes`, going on after a short write or an interrupted call; a
// write that makes no progress counts as a full disk.
int WriteAll(int fd, std::string_view bytes);

// Flushes the folder that holds `path`, so a file just created or renamed there
// keeps its name after a crash.
int SyncFolder(const std::string& path);

}  // namespace parlavo

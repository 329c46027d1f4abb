// Appending whole lines to a file so that each append is on the disk when it
// returns, at a cost that does not grow with the file. The results file takes one
// line per answer this way instead of being rewritten.
#pragma once

#include <string>
#include <string_view>

#include "status.h"

namespace parlavo {

enum class AppendStatus {
  kAppended,      // the bytes are in the file and flushed to the disk
  kUnterminated,  // the file does not end with a line end: nothing was written
  kFailed,        // nothing was added (see the error)
};

struct AppendResult {
  AppendStatus status = AppendStatus::kFailed;
  Status error;  // with kFailed: names the file and the system's reason
  // With kFailed: the file could not be cut back to its old length, so it may hold
  // some or all of the bytes; only a rewrite of the whole file is safe then.
  bool fileChanged = false;
};

// Appends `bytes` (whole lines, each ending in a line feed) to `path`, creating
// the file when it is missing, then flushes the data with fdatasync (and, for a new
// file, its folder) before returning. The line protocol:
//   - a file whose present content does not end with '\n' holds a line cut short
//     by an append that never finished; appending behind it would glue a good line
//     to the fragment, so nothing is written and kUnterminated says so (the caller
//     rewrites the file whole);
//   - a write or flush that fails (a full disk) is cut back to the old length, so
//     the file again ends with its last complete line and a retry adds the lines once.
AppendResult AppendLinesDurably(const std::string& path, std::string_view bytes);

}  // namespace parlavo

// A fault-injecting layer under the program's file writes, for tests only. The
// test executable defines write, fdatasync, fsync and rename itself, so the
// program's calls land here first; unarmed they pass straight to the C library.
// Armed, the chosen call can kill the process (SIGKILL, as a crash or a power cut
// would stop it) or fail with an error, after letting part of a write through.
#pragma once

#include <cerrno>
#include <cstddef>

namespace parlavo::fault {

enum class Call { kNone, kWrite, kDataSync, kFileSync, kRename };

struct Plan {
  Call call = Call::kNone;
  int skip = 0;      // let this many matching calls pass first
  bool kill = true;  // SIGKILL at the call; otherwise fail with `error`
  int error = ENOSPC;
  std::size_t partial = 0;  // with kWrite: bytes that get through before it strikes
  bool once = true;         // disarm after striking
};

// Arms the layer for the calls that follow (in this process only).
void Arm(const Plan& plan);
void Disarm();
// How often the armed fault struck.
int Strikes();

}  // namespace parlavo::fault

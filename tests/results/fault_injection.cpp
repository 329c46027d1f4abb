#include "fault_injection.h"

#include <dlfcn.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>

namespace parlavo::fault {
namespace {

Plan plan;
int strikes = 0;

template <typename Function>
Function Real(const char* name) {
  return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

// True when this call is the one to strike; kills the process when so planned.
bool StrikesNow(Call call) {
  if (plan.call != call) return false;
  if (plan.skip > 0) {
    --plan.skip;
    return false;
  }
  ++strikes;
  if (plan.kill) ::raise(SIGKILL);
  if (plan.once) plan.call = Call::kNone;
  return true;
}

}  // namespace

void Arm(const Plan& p) {
  plan = p;
  strikes = 0;
}
void Disarm() { plan = Plan{}; }
int Strikes() { return strikes; }

}  // namespace parlavo::fault

using parlavo::fault::Call;

extern "C" {

ssize_t write(int fd, const void* buffer, size_t count) {
  static const auto real = parlavo::fault::Real<ssize_t (*)(int, const void*, size_t)>("write");
  auto& plan = parlavo::fault::plan;
  if (plan.call == Call::kWrite && plan.skip == 0 && plan.partial > 0 && count > plan.partial) {
    // Part of the bytes reach the file before the fault strikes: a kill now stops
    // the program mid-line; otherwise this is a short write and the next one fails.
    if (real(fd, buffer, plan.partial) < 0) return -1;
    if (plan.kill) ::raise(SIGKILL);
    const auto part = static_cast<ssize_t>(plan.partial);
    plan.partial = 0;
    return part;
  }
  if (parlavo::fault::StrikesNow(Call::kWrite)) {
    errno = plan.error;
    return -1;
  }
  return real(fd, buffer, count);
}

int fdatasync(int fd) {
  static const auto real = parlavo::fault::Real<int (*)(int)>("fdatasync");
  if (parlavo::fault::StrikesNow(Call::kDataSync)) {
    errno = parlavo::fault::plan.error;
    return -1;
  }
  return real(fd);
}

int fsync(int fd) {
  static const auto real = parlavo::fault::Real<int (*)(int)>("fsync");
  if (parlavo::fault::StrikesNow(Call::kFileSync)) {
    errno = parlavo::fault::plan.error;
    return -1;
  }
  return real(fd);
}

int rename(const char* from, const char* to) {
  static const auto real = parlavo::fault::Real<int (*)(const char*, const char*)>("rename");
  if (parlavo::fault::StrikesNow(Call::kRename)) {
    errno = parlavo::fault::plan.error;
    return -1;
  }
  return real(from, to);
}

}  // extern "C"

#include "shutdown_signals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace parlavo {

namespace {

int signalPipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

void OnSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

ShutdownSignals::ShutdownSignals(std::function<void()> shutdown, QObject* parent)
    : QObject(parent), shutdown_(std::move(shutdown)) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
  ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);  // a flood of signals never blocks the handler
  notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    char bytes[64];
    [[maybe_unused]] const ssize_t n = ::read(signalPipe[0], bytes, sizeof bytes);
    if (shutdown_) shutdown_();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : kSignals) ::sigaction(number, &action, nullptr);
}

ShutdownSignals::~ShutdownSignals() {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  for (int number : kSignals) ::sigaction(number, &action, nullptr);
  delete notifier_;
  notifier_ = nullptr;
  for (int& fd : signalPipe) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

}  // namespace parlavo

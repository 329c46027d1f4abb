// SIGTERM, SIGHUP and SIGINT end the program as CLOSE does, settings and results
// saved. A signal handler may do almost nothing, so it only writes a byte into a
// pipe; the event loop reads it and runs the shutdown in the normal way.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace parlavo {

class ShutdownSignals : public QObject {
  Q_OBJECT
 public:
  // Installs the handlers; `shutdown` runs in the event loop once per signal burst.
  explicit ShutdownSignals(std::function<void()> shutdown, QObject* parent = nullptr);
  ~ShutdownSignals() override;

 private:
  std::function<void()> shutdown_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace parlavo

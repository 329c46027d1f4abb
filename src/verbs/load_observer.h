// What the loader tells the window while it reads the data file. Every call has a
// do-nothing default, so the core, the tools and the tests load without a window.
#pragma once

#include <string>

namespace parlavo {

class LoadObserver {
 public:
  virtual ~LoadObserver() = default;
  // clang-format off
  virtual void LoadStarted() {}                        // the splash becomes visible
  virtual void SetLoadPosition(int /*position*/) {}    // once per line scanned
  virtual void SetFinalPosition(int /*position*/) {}   // 4 x the number of lines
  virtual void AddInfinitive(const std::string& /*infinitive*/) {}  // one per header, in file order
  // clang-format on
  // Lets the window repaint and run its timers during the load. Called once per
  // line; an implementation throttles itself.
  virtual void ProcessPendingMessages() {}
};

}  // namespace parlavo

// Reads the verb file on a thread of its own while the window is being built, so a
// start does not wait for the load after the window's pages. Reading the file has no
// effect anybody sees; what the load tells (the splash's progress, the infinitives, a
// failure) is handed on only when the result is taken, at the point of the start-up
// where the load has always been.
#pragma once

#include <string>
#include <thread>
#include <vector>

#include "verb_list.h"

namespace parlavo {

class LoadObserver;

class VerbPrefetch {
 public:
  // Starts loading `verbFile` at once (on the calling thread if no thread can be made).
  explicit VerbPrefetch(std::string verbFile);
  ~VerbPrefetch();  // waits for the load: it writes into this object
  VerbPrefetch(const VerbPrefetch&) = delete;
  VerbPrefetch& operator=(const VerbPrefetch&) = delete;

  // Waits for the load, tells `observer` what the load told (in the loader's order:
  // started, the final position, the infinitives, the last position), and moves the
  // items into `list`. Returns whether the file loaded. Only once.
  bool Take(VerbList& list, LoadObserver* observer);

 private:
  void Load();

  std::string verbFile_;
  VerbList items_;
  bool loaded_ = false;
  bool finished_ = false;  // false: the thread stopped early (out of memory), so Take loads again
  int finalPosition_ = -1;
  int lastPosition_ = 0;
  std::vector<std::string> infinitives_;
  std::thread thread_;
};

}  // namespace parlavo

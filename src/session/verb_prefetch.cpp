#include "verb_prefetch.h"

#include <system_error>
#include <utility>

#include "load_observer.h"
#include "verb_maker.h"

namespace parlavo {

namespace {

// Keeps what the loader tells; it runs on the loading thread, so it only records.
class Recorder : public LoadObserver {
 public:
  Recorder(int& finalPosition, int& lastPosition, std::vector<std::string>& infinitives)
      : finalPosition_(finalPosition), lastPosition_(lastPosition), infinitives_(infinitives) {}
  void SetLoadPosition(int position) override { lastPosition_ = position; }
  void SetFinalPosition(int position) override { finalPosition_ = position; }
  void AddInfinitive(const std::string& infinitive) override { infinitives_.push_back(infinitive); }

 private:
  int& finalPosition_;
  int& lastPosition_;
  std::vector<std::string>& infinitives_;
};

}  // namespace

VerbPrefetch::VerbPrefetch(std::string verbFile) : verbFile_(std::move(verbFile)) {
  try {
    thread_ = std::thread([this] { Load(); });
  } catch (const std::system_error&) {
    Load();  // no thread to be had: load now, the start only waits longer
  }
}

VerbPrefetch::~VerbPrefetch() {
  if (thread_.joinable()) thread_.join();
}

void VerbPrefetch::Load() {
  try {
    Recorder recorder(finalPosition_, lastPosition_, infinitives_);
    TVerbMaker maker;
    loaded_ = maker.LoadVerbFile(verbFile_, items_, &recorder);
    finished_ = true;
  } catch (...) {
    // Only memory can run out here (the loader reports bad data itself); Take
    // tries again on the window's thread, where a failure is told as ever.
    items_.clear();
    infinitives_.clear();
  }
}

bool VerbPrefetch::Take(VerbList& list, LoadObserver* observer) {
  if (thread_.joinable()) thread_.join();
  if (!finished_) {
    TVerbMaker maker;
    finished_ = true;
    return maker.LoadVerbFile(verbFile_, list, observer);
  }
  if (observer) {
    observer->LoadStarted();
    if (finalPosition_ >= 0) observer->SetFinalPosition(finalPosition_);
    for (const std::string& infinitive : infinitives_) observer->AddInfinitive(infinitive);
    observer->SetLoadPosition(lastPosition_);
    observer->ProcessPendingMessages();
  }
  infinitives_ = {};
  list = std::move(items_);
  return loaded_;
}

}  // namespace parlavo

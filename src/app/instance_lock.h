// One program per folder: two copies on the same settings or results files would
// each rewrite them, and the later save would drop the other's answers. The program
// holds a lock file in each folder it writes to for as long as it runs.
#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace parlavo {

// The name of the lock file in each folder.
inline constexpr const char* kLockFileName = "Parlavo.lock";

class InstanceLock {
 public:
  // Takes the lock of every folder in `folders` (the same folder given twice counts
  // once). A lock left by a program that no longer runs is taken over. When another
  // running copy holds one, no lock is kept and Held() is false.
  explicit InstanceLock(const QStringList& folders);

  bool Held() const { return held_; }
  // The folder whose lock another copy holds, when not Held().
  const QString& BusyFolder() const { return busyFolder_; }

 private:
  std::vector<std::unique_ptr<QLockFile>> locks_;
  bool held_ = false;
  QString busyFolder_;
};

// What the learner is told when another copy runs on the folder.
QString AlreadyRunningMessage(const QString& folder);

}  // namespace parlavo

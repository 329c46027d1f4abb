#include "instance_lock.h"

#include <QDir>
#include <QFileInfo>

namespace parlavo {

InstanceLock::InstanceLock(const QStringList& folders) {
  QStringList seen;
  for (const QString& folder : folders) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    const QString key = canonical.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : canonical;
    if (seen.contains(key)) continue;
    seen << key;
    auto lock = std::make_unique<QLockFile>(QDir(key).filePath(kLockFileName));
    // Only a dead owner makes a lock stale: a learner may keep the program open for days.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
      if (lock->error() == QLockFile::LockFailedError) {
        locks_.clear();  // the locks taken so far are released
        busyFolder_ = folder;
        return;
      }
      // A folder where no lock file can be made (read-only) cannot be written by a
      // second copy either; its own write errors will say so.
      continue;
    }
    locks_.push_back(std::move(lock));
  }
  held_ = true;
}

QString AlreadyRunningMessage(const QString& folder) {
  return QString(
             "Parlavo is already running on the files in '%1'.\n\nUse the window that is open; this "
             "one closes without touching any file.")
      .arg(QDir::toNativeSeparators(folder));
}

}  // namespace parlavo

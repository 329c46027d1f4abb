#include "data_export.h"

#include <QDir>

#include "atomic_file.h"
#include "platform.h"
#include "text_codec.h"

namespace parlavo {

void ExportToDataFolder(Platform& platform, const char* fileName, const std::function<void(std::ostream&)>& writer) {
  const QString folder = platform.Files().dataFolder;
  const Status written = WriteFileAtomically(FilePath(folder + fileName), writer);
  if (!written) {
    platform.ShowMessage("Error", QString::fromStdString(written.message()), MessageIcon::Error);
    return;
  }
  // Beside a portable program the files are where the learner started it; elsewhere
  // the message names the folder, which a learner would not guess.
  const QString where = folder.isEmpty()
                            ? QString("the Parlavo directory")
                            : QString("the folder '%1'").arg(QDir::toNativeSeparators(QDir::cleanPath(folder)));
  platform.ShowMessage("Complete", QString("The file '%1' can be found in %2.").arg(fileName, where),
                       MessageIcon::Exclamation);
}

}  // namespace parlavo

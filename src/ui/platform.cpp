#include "platform.h"

#include <QtGlobal>

namespace parlavo {

void ShowNotices(Platform& platform, const Notices& notices, bool quiet) {
  for (const Notice& notice : notices) {
    const QString title = QString::fromStdString(notice.title);
    QString text = QString::fromStdString(notice.text);
    text.replace("\r\n", "\n");
    if (quiet) {
      qWarning("%s: %s", qPrintable(title), qPrintable(text));
      continue;
    }
    static constexpr MessageIcon kIcons[] = {MessageIcon::Error, MessageIcon::Information, MessageIcon::Exclamation,
                                             MessageIcon::None};
    platform.ShowMessage(title, text, kIcons[static_cast<int>(notice.kind)]);
  }
}

}  // namespace parlavo

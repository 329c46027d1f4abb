#include "style_pictures.h"

#include <QApplication>
#include <QPixmap>
#include <QStringList>
#include <QStyle>

namespace parlavo {

void LoadStylePictures() {
  if (QApplication::style()->name().compare("fusion", Qt::CaseInsensitive) != 0) return;
  // Qt's own resource: a Qt without it only misses the shortcut.
  const QString frame = QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
  const QStringList folders = QCoreApplication::libraryPaths();
  QCoreApplication::setLibraryPaths({});
  const QPixmap cached(frame);  // a picture QPixmap loads by name stays in QPixmapCache
  QCoreApplication::setLibraryPaths(folders);
}

}  // namespace parlavo

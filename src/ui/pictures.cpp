#include "pictures.h"

#include <QHash>
#include <QImage>
#include <QImageReader>

// A resource file linked from a static library must be registered by hand.
static void RegisterPictures() { Q_INIT_RESOURCE(pictures); }

namespace parlavo {

QPixmap UnsharedPicture(const QString& name) {
  static const bool registered = (RegisterPictures(), true);
  (void)registered;
  // Read straight into an image of its own: QPixmap::load would keep a second copy in
  // Qt's pixmap cache, and setting the pixel ratio afterwards would copy it again.
  QImage image = QImageReader(":/images/" + name + ".jpg").read();
  image.setDevicePixelRatio(2.0);
  return QPixmap::fromImage(std::move(image));
}

QPixmap Picture(const QString& name) {
  static QHash<QString, QPixmap> decoded;
  const auto found = decoded.constFind(name);
  if (found != decoded.constEnd()) return *found;
  return *decoded.insert(name, UnsharedPicture(name));
}

}  // namespace parlavo

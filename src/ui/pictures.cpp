#include "pictures.h"

#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <algorithm>

// A resource file linked from a static library must be registered by hand.
static void RegisterPictures() { Q_INIT_RESOURCE(pictures); }

namespace parlavo {

namespace {
constexpr qreal kPictureRatio = 2.0;  // the pictures' pixels per point
}  // namespace

QImage ReadPicture(const QString& name, qreal screenRatio) {
  static const bool registered = (RegisterPictures(), true);
  (void)registered;
  // On a screen of less density the decoder scales the picture down itself (a JPEG
  // decodes at half size for a fraction of the work and memory), and it looks
  // smoother than the full picture drawn smaller.
  QImageReader reader(":/images/" + name + ".jpg");
  const qreal ratio = std::clamp(screenRatio, 1.0, kPictureRatio);
  if (ratio < kPictureRatio) reader.setScaledSize((QSizeF(reader.size()) * (ratio / kPictureRatio)).toSize());
  QImage image = reader.read();
  image.setDevicePixelRatio(ratio);
  return image;
}

QPixmap UnsharedPicture(const QString& name) {
  // Read straight into an image of its own: QPixmap::load would keep a second copy in
  // Qt's pixmap cache, and setting the pixel ratio afterwards would copy it again.
  return QPixmap::fromImage(ReadPicture(name, qApp->devicePixelRatio()));
}

QPixmap Picture(const QString& name) {
  static QHash<QString, QPixmap> decoded;
  const auto found = decoded.constFind(name);
  if (found != decoded.constEnd()) return *found;
  return *decoded.insert(name, UnsharedPicture(name));
}

}  // namespace parlavo

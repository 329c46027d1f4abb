#include "pictures.h"

#include <QGuiApplication>
#include <QHash>
#include <QResource>
#include <algorithm>
#include <cmath>

#include "jpeg_decoder.h"

// A resource file linked from a static library must be registered by hand.
static void RegisterPictures() { Q_INIT_RESOURCE(pictures); }

namespace parlavo {

namespace {
constexpr qreal kPictureRatio = 2.0;  // the pictures' pixels per point
}  // namespace

QImage ReadPicture(const QString& name, qreal screenRatio) {
  static const bool registered = (RegisterPictures(), true);
  (void)registered;
  const QResource file(":/images/" + name + ".jpg");
  if (!file.isValid()) return {};
  // On a screen of less density the decoder scales the picture down itself (a JPEG
  // decodes at half size for a fraction of the work and memory), and it looks
  // smoother than the full picture drawn smaller. It scales by eighths: never fewer
  // pixels than the screen asks for, and the ratio says what was decoded.
  const qreal ratio = std::clamp(screenRatio, 1.0, kPictureRatio);
  const int eighths = static_cast<int>(std::ceil(8 * ratio / kPictureRatio - 1e-9));
  QImage image = DecodeJpeg(file.uncompressedData(), eighths);
  image.setDevicePixelRatio(kPictureRatio * eighths / 8);
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

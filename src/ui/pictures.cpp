#include "pictures.h"

// A resource file linked from a static library must be registered by hand.
static void RegisterPictures() { Q_INIT_RESOURCE(pictures); }

namespace parlavo {

QPixmap Picture(const QString& name) {
  static const bool registered = (RegisterPictures(), true);
  (void)registered;
  QPixmap pixmap(":/images/" + name + ".jpg");
  pixmap.setDevicePixelRatio(2.0);
  return pixmap;
}

}  // namespace parlavo

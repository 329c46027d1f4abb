// The window's pictures, embedded as JPEG files drawn at twice their shown size.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

namespace parlavo {

// The picture ":/images/<name>.jpg" decoded for a screen of `screenRatio` pixels per
// point: at its full size (ratio 2) for a screen of 2 or more, scaled down by the
// decoder for a screen of less. Its shown size is the same either way. Null when missing.
QImage ReadPicture(const QString& name, qreal screenRatio);

// The picture for the screens of this system. Each picture is decoded once and its
// pixels shared by every caller (the header band stands on six pages), so it stays
// in memory for the rest of the run. Empty when missing.
QPixmap Picture(const QString& name);

// The same picture decoded for one caller and kept by nobody else: for a window
// shown once (the start-up splash), whose pixels are freed with it.
QPixmap UnsharedPicture(const QString& name);

}  // namespace parlavo

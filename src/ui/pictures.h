// The window's pictures, embedded as JPEG files drawn at twice their shown size.
#pragma once

#include <QPixmap>
#include <QString>

namespace parlavo {

// The picture ":/images/<name>.jpg" at device pixel ratio 2; empty when missing.
QPixmap Picture(const QString& name);

}  // namespace parlavo

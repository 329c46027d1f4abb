// The window's pictures, embedded as JPEG files drawn at twice their shown size.
#pragma once

#include <QPixmap>
#include <QString>

namespace parlavo {

// The picture ":/images/<name>.jpg" at device pixel ratio 2; empty when missing.
// Each picture is decoded once and its pixels shared by every caller (the header
// band stands on six pages), so it stays in memory for the rest of the run.
QPixmap Picture(const QString& name);

// The same picture decoded for one caller and kept by nobody else: for a window
// shown once (the start-up splash), whose pixels are freed with it.
QPixmap UnsharedPicture(const QString& name);

}  // namespace parlavo

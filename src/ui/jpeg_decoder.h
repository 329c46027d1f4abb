// JPEG bytes decoded with libjpeg straight into an image a screen can take.
// Qt's own route first looks through its image plugins (a scan of their folder and
// a library to load), then decodes to 24-bit pixels and converts them to 32: a few
// milliseconds of every start for the window's pictures.
#pragma once

#include <QByteArrayView>
#include <QImage>

namespace parlavo {

// The picture scaled by the decoder to `eighths`/8 of its size (1..8; sizes round
// up), as Format_RGB32. Null for bytes that are no JPEG it can read.
QImage DecodeJpeg(QByteArrayView bytes, int eighths = 8);

}  // namespace parlavo

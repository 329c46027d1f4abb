// The window's fonts. Its layout is drawn for the classic Windows families; the
// metric-compatible Liberation families stand in for them.
#pragma once

#include <QFont>
#include <QString>

namespace parlavo {

// Maps "MS Sans Serif", "Arial", "Tahoma" and "Arial Narrow" to Liberation fonts,
// and makes "MS Sans Serif" 11 pixels the default of every widget (the platform
// theme's per-class fonts would otherwise win over the window's font).
void InstallFontSubstitutes();
// A font of the family at a height in pixels.
QFont PixelFont(const QString& family, int pixels, bool bold = false);

}  // namespace parlavo

#include "fonts.h"

#include <QApplication>

namespace parlavo {

void InstallFontSubstitutes() {
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  QFont::insertSubstitution("Arial", "Liberation Sans");
  QFont::insertSubstitution("Tahoma", "Liberation Sans");
  QFont::insertSubstitution("Arial Narrow", "Liberation Sans Narrow");
  QApplication::setFont(PixelFont("MS Sans Serif", 11));
}

QFont PixelFont(const QString& family, int pixels, bool bold) {
  // Asking for the stand-in directly: left to the system's font matching, an
  // unknown family may resolve to some other font before Qt's substitutes apply.
  const QString substitute = QFont::substitute(family);
  QFont font(substitute.isEmpty() ? family : substitute);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

}  // namespace parlavo

#include "text_codec.h"

#include <QList>

#include "text.h"

namespace parlavo {

namespace {
constexpr unsigned char kUnmappable = 0x81;
}

QString ToQString(std::string_view cp1252) {
  QString out;
  out.reserve(static_cast<qsizetype>(cp1252.size()));
  for (unsigned char byte : cp1252) {
    out.append(QChar(static_cast<char16_t>(Cp1252ToUnicode(byte))));
  }
  return out;
}

std::string FromQString(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (char32_t code : text.toUcs4()) {
    auto byte = UnicodeToCp1252(code);
    out.push_back(static_cast<char>(byte ? *byte : kUnmappable));
  }
  return out;
}

}  // namespace parlavo

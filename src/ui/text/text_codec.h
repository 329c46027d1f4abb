// The one place where the core's Windows-1252 text meets Qt's Unicode strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace parlavo {

QString ToQString(std::string_view cp1252);
// A character that Windows-1252 lacks becomes byte 0x81, which no form, name or
// key ever holds, so such a character simply never matches.
std::string FromQString(const QString& text);

}  // namespace parlavo

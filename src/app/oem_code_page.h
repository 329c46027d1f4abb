// The OEM code page of the system, derived from the character set of the locale.
#pragma once

#include <string_view>

namespace parlavo {

// ASCII counts as 437; UTF-8, ISO-8859-1, ISO-8859-15 and Windows-1252 as 850 (they
// hold every letter the program needs); any other set gives its own code page
// number, or 0 when it has none we know.
int OemCodePageOfCharset(std::string_view charset);
// The code page of the current locale's character set (nl_langinfo(CODESET)).
int CurrentOemCodePage();

}  // namespace parlavo

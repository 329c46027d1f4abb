// The readable verb source: UTF-8 lines "@infinitive;translation" and
// "NN:form,form,...", blank lines between blocks, "#" comment lines.
#pragma once

#include <string>
#include <string_view>

namespace parlavo {

// Turns the source into the body of a data file: Windows-1252 lines ended by
// CR LF, each block followed by one empty line, comments dropped. On a fault
// returns false with "file:line:column: reason" in `error`.
bool ReadVerbSource(std::string_view utf8, const std::string& fileName, std::string& body, std::string& error);

}  // namespace parlavo

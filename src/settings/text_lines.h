// Text files as lists of lines, the way the settings and results files hold them.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace parlavo {

// LF ends a line and a CR just before it goes with it; a last line without a line
// end still counts; no line is added for the end of the file.
std::vector<std::string> SplitLines(std::string_view bytes);

// Every line followed by CR LF.
void WriteLinesCrLf(std::ostream& out, const std::vector<std::string>& lines);

}  // namespace parlavo

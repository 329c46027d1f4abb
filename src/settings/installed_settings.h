// The settings file as installed ("data/Parlavo.ini"), built into the program: the
// preset test names live in no other place, so a deleted settings file must not
// take them away.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace parlavo {

// Its [Default] names "1".."Count", in order.
const std::vector<std::string>& InstalledPresetNames();

}  // namespace parlavo

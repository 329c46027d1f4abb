// The exports of the Options page: a file written whole into the data folder, and
// the learner told where it is, or why it could not be written.
#pragma once

#include <functional>
#include <ostream>

namespace parlavo {

class Platform;

void ExportToDataFolder(Platform& platform, const char* fileName, const std::function<void(std::ostream&)>& writer);

}  // namespace parlavo

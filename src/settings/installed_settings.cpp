#include "installed_settings.h"

#include "number_text.h"
#include "text.h"
#include "text_lines.h"

namespace parlavo {

namespace {

// Generated from data/Parlavo.ini at configure time.
constexpr std::string_view kInstalledText =
#include "installed_settings.inc"
    ;

}  // namespace

const std::vector<std::string>& InstalledPresetNames() {
  // The file is ours and simple: one [Default] section of "Count" and numbered names.
  static const std::vector<std::string> names = [] {
    std::vector<std::string> found;
    for (const std::string& line : SplitLines(kInstalledText)) {
      const std::size_t equals = line.find('=');
      if (equals == std::string::npos) continue;
      const auto number = ParseInteger(Trim(std::string_view(line).substr(0, equals)));
      if (!number || *number < 1) continue;
      if (found.size() < static_cast<std::size_t>(*number)) found.resize(static_cast<std::size_t>(*number));
      found[static_cast<std::size_t>(*number) - 1] = Trim(std::string_view(line).substr(equals + 1));
    }
    return found;
  }();
  return names;
}

}  // namespace parlavo

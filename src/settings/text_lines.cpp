#include "text_lines.h"

namespace parlavo {

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return lines;
}

void WriteLinesCrLf(std::ostream& out, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
    out.write("\r\n", 2);
  }
}

}  // namespace parlavo

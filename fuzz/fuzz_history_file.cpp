// "History.txt" on arbitrary bytes: the reader never crashes, every line it reads
// writes back as a line it reads the same way, and every result line gets a day.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "history.h"
#include "text_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = parlavo::SplitLines(bytes);
  const parlavo::HistoryLines history = parlavo::ParseHistory(lines);
  if (history.entries.size() + history.damaged > lines.size()) std::abort();
  if ((history.damaged == 0) != (history.firstDamaged == 0)) std::abort();
  for (const parlavo::HistoryEntry& entry : history.entries) {
    const std::string line = parlavo::FormatHistoryLine(entry);
    const auto again = parlavo::ParseHistoryLine(line);
    if (!again || parlavo::FormatHistoryLine(*again) != line) std::abort();
  }
  const std::size_t resultCount = size % 512;
  if (parlavo::ResultDays(resultCount, history.entries).size() != resultCount) std::abort();
  (void)parlavo::DamagedHistoryMessage(history, "History.txt");
  return 0;
}

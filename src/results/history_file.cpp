#include "history_file.h"

#include <filesystem>
#include <system_error>

#include "atomic_file.h"
#include "text_lines.h"

namespace parlavo {

THistoryFile::THistoryFile(std::string fileName) : fileName_(std::move(fileName)) {
  if (Read()) loadNote_ = DamagedHistoryMessage(history_, fileName_);
}

bool THistoryFile::Read() {
  std::error_code ec;
  const auto type = std::filesystem::status(fileName_, ec).type();
  unreadable_ = false;
  if (type == std::filesystem::file_type::not_found) return true;
  std::string bytes;
  if (const Status read = ReadWholeFile(fileName_, bytes); !read) {
    unreadable_ = true;
    loadStatus_ = Status::Error(read.message() + "; it is left as it is, and earlier answers count as long ago.");
    return false;
  }
  lines_ = SplitLines(bytes);
  history_ = ParseHistory(lines_);
  return true;
}

std::vector<HistoryEntry> THistoryFile::EntriesWith(const HistoryEntry& run) const {
  std::vector<HistoryEntry> entries = history_.entries;
  if (run.count > 0) entries.push_back(run);
  return entries;
}

bool THistoryFile::Save(const HistoryEntry& run) {
  if (run.count <= 0) {
    saveStatus_ = Status::Ok();
    return true;
  }
  if (unreadable_ && !Read()) {
    saveStatus_ = Status::Error("\"" + fileName_ + "\" could not be read, so it is left as it is");
    return false;
  }
  std::vector<std::string> lines = lines_;
  lines.push_back(FormatHistoryLine(run));
  saveStatus_ = WriteFileAtomically(fileName_, [&](std::ostream& out) { WriteLinesCrLf(out, lines); });
  return saveStatus_.ok();
}

}  // namespace parlavo

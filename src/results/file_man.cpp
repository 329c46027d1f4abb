#include "file_man.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "atomic_file.h"
#include "text.h"
#include "text_lines.h"

namespace parlavo {

namespace {

bool Missing(const std::string& path) {
  std::error_code ec;
  return std::filesystem::status(path, ec).type() == std::filesystem::file_type::not_found;
}

}  // namespace

TFileMan::TFileMan(std::string fileName) : fileName_(std::move(fileName)) {
  OpenFile();
  Load();
}

TFileMan::~TFileMan() {
  if (!closed_) Save();
}

bool TFileMan::Close() {
  closed_ = true;
  return Save();
}

void TFileMan::OpenFile() {
  if (!Missing(fileName_)) return;
  loadError_ = WriteFileAtomically(fileName_, [](std::ostream&) {});
}

void TFileMan::Load() {
  ResultLines.clear();
  std::vector<std::string> lines;
  if (ReadLines(lines)) ResultLines = std::move(lines);
}

bool TFileMan::ReadLines(std::vector<std::string>& lines) {
  unreadable_ = false;
  if (Missing(fileName_)) return true;  // nothing to lose; the first Save creates it
  std::string bytes, error;
  if (!ReadWholeFile(fileName_, bytes, &error)) {
    unreadable_ = true;
    loadError_ = error.empty() ? "Cannot read \"" + fileName_ + "\"" : error;
    return false;
  }
  lines = SplitLines(bytes);
  return true;
}

bool TFileMan::Save() {
  std::string error;
  if (unreadable_) {
    // Only this run's lines are in memory: writing them would destroy the file.
    std::vector<std::string> earlier;
    if (ReadLines(earlier)) {
      ResultLines.insert(ResultLines.begin(), earlier.begin(), earlier.end());
    } else {
      error = loadError_ + "; it is left as it is and this run's results are kept in memory";
    }
  }
  if (error.empty()) {
    error = WriteFileAtomically(fileName_,
                                [this](std::ostream& out) { WriteLinesCrLf(out, ResultLines); });
  }
  saveFailedNewly_ = !error.empty() && saveError_.empty();
  saveError_ = std::move(error);
  return saveError_.empty();
}

void TFileMan::BuildTestedIndex() {
  testedIndex_.clear();
  testedIndex_.reserve(ResultLines.size());
  TokenReader reader;
  for (const std::string& line : ResultLines) {
    reader.Buffer = line;
    testedIndex_.push_back(reader.NextToken(','));
  }
  auto less = [](const std::string& a, const std::string& b) {
    return CompareIgnoringCase(a, b) < 0;
  };
  std::stable_sort(testedIndex_.begin(), testedIndex_.end(), less);
  auto same = [](const std::string& a, const std::string& b) { return EqualsIgnoringCase(a, b); };
  testedIndex_.erase(std::unique(testedIndex_.begin(), testedIndex_.end(), same),
                     testedIndex_.end());
}

bool TFileMan::IsTested(std::string_view form) const {
  const auto it = std::lower_bound(testedIndex_.begin(), testedIndex_.end(), form,
                                   [](const std::string& entry, std::string_view key) {
                                     return CompareIgnoringCase(entry, key) < 0;
                                   });
  return it != testedIndex_.end() && CompareIgnoringCase(*it, form) == 0;
}

std::string TFileMan::SelectLine(std::size_t i) {
  if (i >= ResultLines.size()) return std::string(kError);
  tokens_.Buffer = ResultLines[i];
  return tokens_.Buffer;
}

}  // namespace parlavo

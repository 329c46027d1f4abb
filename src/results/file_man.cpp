#include "file_man.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "atomic_file.h"
#include "durable_append.h"
#include "text.h"
#include "text_lines.h"

namespace parlavo {

namespace {

bool Missing(const std::string& path) {
  std::error_code ec;
  return std::filesystem::status(path, ec).type() == std::filesystem::file_type::not_found;
}

}  // namespace

std::vector<std::string> ResultLinesFromBytes(std::string_view bytes, std::string* cutShort) {
  std::string_view whole = bytes;
  std::string_view tail;
  const std::size_t lastEnd = bytes.find_last_of('\n');
  if (lastEnd == std::string_view::npos) {
    tail = bytes;
    whole = {};
  } else {
    tail = bytes.substr(lastEnd + 1);
    whole = bytes.substr(0, lastEnd + 1);
  }
  if (cutShort) cutShort->assign(tail);
  return SplitLines(whole);
}

TFileMan::TFileMan(std::string fileName) : fileName_(std::move(fileName)) {
  OpenFile();
  Load();
}

TFileMan::~TFileMan() {
  if (!closed_) SaveNew();
}

bool TFileMan::Close() {
  closed_ = true;
  return SaveNew();
}

void TFileMan::OpenFile() {
  if (!Missing(fileName_)) return;
  loadStatus_ = WriteFileAtomically(fileName_, [](std::ostream&) {});
}

void TFileMan::Load() {
  ResultLines.clear();
  savedCount_ = 0;
  std::vector<std::string> lines;
  if (ReadLines(lines)) ResultLines = std::move(lines);
  savedCount_ = ResultLines.size();
}

bool TFileMan::ReadLines(std::vector<std::string>& lines) {
  unreadable_ = false;
  rewriteNeeded_ = false;
  if (Missing(fileName_)) return true;  // nothing to lose; the first save creates it
  std::string bytes;
  if (Status read = ReadWholeFile(fileName_, bytes); !read) {
    unreadable_ = true;
    loadStatus_ = std::move(read);
    return false;
  }
  std::string cutShort;
  lines = ResultLinesFromBytes(bytes, &cutShort);
  if (!cutShort.empty()) {
    rewriteNeeded_ = true;
    // clang-format off
    loadNote_ = "The last line of '" + fileName_ + "' was not complete (the program was stopped while writing "
                "it) and is left out: " + cutShort;
    // clang-format on
  }
  return true;
}

bool TFileMan::Saved(Status saved) {
  if (saved) savedCount_ = ResultLines.size();
  saveFailedNewly_ = !saved && saveStatus_;
  saveStatus_ = std::move(saved);
  return saveStatus_.ok();
}

bool TFileMan::SaveNew() {
  // A file that vanished while the program ran gets all the lines, not only the new.
  if (unreadable_ || rewriteNeeded_ || (savedCount_ > 0 && Missing(fileName_))) return Save();
  if (savedCount_ >= ResultLines.size()) return Saved(Status::Ok());
  std::string bytes;
  for (std::size_t i = savedCount_; i < ResultLines.size(); ++i) bytes += ResultLines[i] + "\r\n";
  const AppendResult appended = AppendLinesDurably(fileName_, bytes);
  if (appended.status == AppendStatus::kUnterminated) {
    // The file changed underneath since it was read; only a whole rewrite is safe.
    rewriteNeeded_ = true;
    return Save();
  }
  if (appended.fileChanged) rewriteNeeded_ = true;
  return Saved(appended.error);
}

bool TFileMan::Save() {
  Status saved;
  if (unreadable_) {
    // Only this run's lines are in memory: writing them would destroy the file.
    std::vector<std::string> earlier;
    if (ReadLines(earlier)) {
      ResultLines.insert(ResultLines.begin(), earlier.begin(), earlier.end());
      savedCount_ = earlier.size();
    } else {
      saved = Status::Error(loadStatus_.message() + "; it is left as it is and this run's results are kept in memory");
    }
  }
  if (saved) {
    saved = WriteFileAtomically(fileName_, [this](std::ostream& out) { WriteLinesCrLf(out, ResultLines); });
    // After a failure the file may or may not hold the lines (the folder flush comes
    // after the rename): the next attempt writes it whole again, never appends.
    rewriteNeeded_ = !saved;
  }
  return Saved(std::move(saved));
}

std::vector<std::string> TFileMan::UnsavedLines() const {
  if (unreadable_) return ResultLines;
  return {ResultLines.begin() + static_cast<std::ptrdiff_t>(std::min(savedCount_, ResultLines.size())),
          ResultLines.end()};
}

TFileMan::UnsavedLinesFile TFileMan::WriteUnsavedLines(const std::tm& now) {
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &now);
  const std::size_t slash = fileName_.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "" : fileName_.substr(0, slash + 1);
  std::string path = folder + "Results-unsaved-" + stamp + ".txt";
  for (int n = 2; n < 100 && !Missing(path); ++n)
    path = folder + "Results-unsaved-" + stamp + "-" + std::to_string(n) + ".txt";
  const std::vector<std::string> lines = UnsavedLines();
  Status written = WriteFileAtomically(path, [&lines](std::ostream& out) { WriteLinesCrLf(out, lines); });
  if (!written) return {std::move(written), ""};
  return {Status::Ok(), std::move(path)};
}

void TFileMan::BuildTestedIndex() {
  testedIndex_.clear();
  testedIndex_.reserve(ResultLines.size());
  TokenReader reader;
  for (const std::string& line : ResultLines) {
    reader.Buffer = line;
    testedIndex_.push_back(reader.NextToken(','));
  }
  auto less = [](const std::string& a, const std::string& b) { return CompareIgnoringCase(a, b) < 0; };
  std::stable_sort(testedIndex_.begin(), testedIndex_.end(), less);
  auto same = [](const std::string& a, const std::string& b) { return EqualsIgnoringCase(a, b); };
  testedIndex_.erase(std::unique(testedIndex_.begin(), testedIndex_.end(), same), testedIndex_.end());
}

bool TFileMan::IsTested(std::string_view form) const {
  const auto it = std::lower_bound(
      testedIndex_.begin(), testedIndex_.end(), form,
      [](const std::string& entry, std::string_view key) { return CompareIgnoringCase(entry, key) < 0; });
  return it != testedIndex_.end() && CompareIgnoringCase(*it, form) == 0;
}

std::string TFileMan::SelectLine(std::size_t i) {
  if (i >= ResultLines.size()) return std::string(kError);
  tokens_.Buffer = ResultLines[i];
  return tokens_.Buffer;
}

}  // namespace parlavo

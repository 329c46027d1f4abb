#include "stale_temporaries.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace parlavo {

namespace {
// mkstemp's replacement for "XXXXXX".
constexpr std::size_t kSuffixLength = 6;

bool IsSuffixChar(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }
}  // namespace

bool IsTemporaryOf(const std::string& candidate, const std::string& name) {
  if (candidate.size() != name.size() + 1 + kSuffixLength) return false;
  if (candidate.compare(0, name.size(), name) != 0 || candidate[name.size()] != '.') return false;
  return std::all_of(candidate.end() - kSuffixLength, candidate.end(), IsSuffixChar);
}

std::vector<std::string> RemoveStaleTemporaries(const std::string& folder, const std::vector<std::string>& names) {
  std::vector<std::string> removed;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    const std::string file = it->path().filename().string();
    const bool ours =
        std::any_of(names.begin(), names.end(), [&file](const std::string& name) { return IsTemporaryOf(file, name); });
    std::error_code typeError;
    // A symbolic link is never followed: only what the write itself made goes.
    if (!ours || !it->is_regular_file(typeError) || it->is_symlink(typeError)) continue;
    std::error_code removeError;
    if (std::filesystem::remove(it->path(), removeError)) removed.push_back(it->path().string());
  }
  return removed;
}

}  // namespace parlavo

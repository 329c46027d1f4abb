// A settings file that behaves like a Windows private-profile file: sections and
// keys are found without regard to case (accented Windows-1252 letters included),
// names and values are trimmed, a missing or unreadable file reads as empty, and
// every write is on disk when it returns.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "status.h"

namespace parlavo {

// The file's lines as they were when it was read once: for a caller that reads many
// keys in one go (all the options, a filter, the preset names), so that one read
// serves them all and they come from the same version of the file.
class IniSnapshot {
 public:
  IniSnapshot() = default;
  explicit IniSnapshot(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  // `fallback` when the section or the key is missing.
  std::string Read(std::string_view section, std::string_view key, std::string_view fallback = "") const;

 private:
  std::vector<std::string> lines_;
};

class IniFile {
 public:
  explicit IniFile(std::string path);

  const std::string& Path() const { return path_; }

  // Reads the file afresh, so nothing goes stale; `fallback` when the key is missing.
  std::string Read(std::string_view section, std::string_view key, std::string_view fallback = "") const;
  // Reads the file once; a missing or unreadable file reads as empty.
  IniSnapshot Snapshot() const;

  using Entry = std::pair<std::string, std::string>;
  // Sets the keys of one section in a single rewrite of the whole file (new
  // sections and keys go last, everything else keeps its place). The new file is
  // written beside the old one and renamed into place, so a failure leaves the old
  // file whole. A file that exists but cannot be read is not overwritten, since
  // that would lose what it holds. An error names the file.
  Status Write(std::string_view section, const std::vector<Entry>& entries);
  Status Write(std::string_view section, std::string_view key, std::string_view value);

 private:
  std::string path_;
};

}  // namespace parlavo

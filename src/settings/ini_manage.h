// The settings store "Parlavo.ini": options, named filters with the list of their
// names, and the preset test names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "filter.h"
#include "ini_file.h"
#include "options.h"
#include "token_reader.h"

namespace parlavo {

// Boolean lists are "True"/"False" joined by "," without blanks.
std::string EncodeFlags(const bool* flags, std::size_t count);
// Slot by slot through the token reader: true exactly for the token "True";
// missing items give false, surplus items are ignored.
void DecodeFlags(std::string_view text, bool* flags, std::size_t count);

std::string EncodeIrreg(std::uint8_t irreg);      // "JREG", "JIREG", "ALL", else "ERROR"
std::uint8_t DecodeIrreg(std::string_view text);  // 0, 1, else 2

class TIniManage {
 public:
  // Keeps the path; reads nothing yet.
  explicit TIniManage(std::string fileName);

  const std::string& FileName() const { return file_.Path(); }

  // Section "Options": every field from its key, or its default when the key is
  // missing or unreadable (booleans are integers, 0 false, anything else true).
  void ReadOptions(TOptions& options);
  TOptions ReadOptions();
  bool WriteOptions(const TOptions& options);

  // Section "Filter", keys Name+"PEOPLE", "TENSES", "VERBS", "IRREG", "EXTRA". A
  // name with no keys reads as all slots false, Irreg 2, no Extra.
  void ReadFilter(std::string_view name, TFilter& filter);
  TFilter ReadFilter(std::string_view name);
  bool WriteFilter(std::string_view name, const TFilter& filter);
  // Whether a filter was ever stored under `name` (its PEOPLE or TENSES key holds
  // a value), as opposed to one that reads back empty because it is missing.
  bool HasFilter(std::string_view name);

  // The value trimmed (empty when missing); it also becomes the token buffer.
  std::string ReadValue(std::string_view section, std::string_view key);
  bool WriteValue(std::string_view section, std::string_view key, std::string_view value);
  std::string NextToken(char separator) { return tokens_.NextToken(separator); }
  bool HasMoreTokens() const { return tokens_.HasMoreTokens(); }

  // "Default": names "1".."Count"; no presets when Count is unreadable. A file
  // without that section (a missing file too) has the installed file's names.
  std::vector<std::string> ReadPresetNames();
  // Writes the installed [Default] section (Count and the names) into a file that
  // lacks it, so the file is whole again; true when nothing needed writing.
  bool RestoreInstalledPresets();

  // "Filter" "List": the saved filter names, oldest first, as the list reader
  // yields them (blank names vanish, a name with "," shows as its pieces).
  std::vector<std::string> SavedFilterNames();
  bool AppendSavedFilterName(std::string_view name);
  // Removes every entry equal to `name` ignoring case; the rest keep their order.
  bool DeleteSavedFilterName(std::string_view name);

  // The outcome of the last write; an error names the file and the reason.
  const Status& LastWrite() const { return lastWrite_; }

 private:
  bool Record(Status written);
  // No [Default] names at all: neither "Count" nor "1".
  bool LacksPresetNames();

  IniFile file_;
  TokenReader tokens_;
  Status lastWrite_;
};

}  // namespace parlavo

#include "ini_file.h"

// Our own line editor rather than SimpleIni: SimpleIni re-emits the whole file from
// its model (dropping lines it cannot parse, merging repeated keys, adding blank
// lines), while a private-profile file is edited in place, one line at a time.

#include <filesystem>
#include <optional>
#include <system_error>

#include "atomic_file.h"
#include "text.h"
#include "text_lines.h"

namespace parlavo {

namespace {

// "[name]" gives the trimmed name; anything else gives nothing. Only the whole line
// counts (a comment may follow): a key that merely begins with "[", such as
// "[x]PEOPLE=True" written for a filter named "[x]", must not open a section and
// take over the keys below it. A name holding "=" is a key line in brackets.
std::optional<std::string> SectionOf(std::string_view line) {
  const std::string text = Trim(line);
  if (text.size() < 2 || text.front() != '[') return std::nullopt;
  const std::size_t close = text.find(']');
  if (close == std::string::npos) return std::nullopt;
  const std::string_view name = std::string_view(text).substr(1, close - 1);
  const std::string rest = Trim(std::string_view(text).substr(close + 1));
  if (name.find('=') != std::string_view::npos || (!rest.empty() && rest.front() != ';')) return std::nullopt;
  return Trim(name);
}

// "key=value" gives the trimmed key; comments, section headers and lines without
// "=" give nothing.
std::optional<std::string> KeyOf(std::string_view line) {
  const std::string text = Trim(line);
  if (text.empty() || text.front() == ';' || SectionOf(text)) return std::nullopt;
  const std::size_t equals = text.find('=');
  if (equals == std::string::npos) return std::nullopt;
  return Trim(std::string_view(text).substr(0, equals));
}

// A key that the reader would take for something else (a comment, a section, a
// different key) is never written: its value could not be read back, and the
// line could change how the lines after it are read.
bool CanBeReadBack(std::string_view key) {
  return !key.empty() && key.front() != ';' && key.front() != '[' && key.find('=') == std::string_view::npos;
}

std::string ValueOf(std::string_view line) { return Trim(line.substr(line.find('=') + 1)); }

// A line break inside a name or value would add lines of its own to the file.
std::string SingleLine(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return out;
}

// Where a section's lines are: the header, and one past its last line.
struct SectionSpan {
  std::size_t header;
  std::size_t end;
};

std::optional<SectionSpan> FindSection(const std::vector<std::string>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionOf(lines[i]);
    if (!name || !EqualsIgnoringCase(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !SectionOf(lines[end])) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<std::string>& lines, SectionSpan span, std::string_view key) {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    const auto name = KeyOf(lines[i]);
    if (name && EqualsIgnoringCase(*name, key)) return i;
  }
  return std::nullopt;
}

// A missing file has no lines and is no error.
Status Load(const std::string& path, std::vector<std::string>& lines) {
  lines.clear();
  std::error_code ec;
  if (std::filesystem::status(path, ec).type() == std::filesystem::file_type::not_found) return Status::Ok();
  std::string bytes;
  if (Status read = ReadWholeFile(path, bytes); !read) return read;
  lines = SplitLines(bytes);
  return Status::Ok();
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

std::string IniSnapshot::Read(std::string_view section, std::string_view key, std::string_view fallback) const {
  const auto span = FindSection(lines_, Trim(section));
  if (!span) return std::string(fallback);
  const auto at = FindKey(lines_, *span, Trim(key));
  return at ? ValueOf(lines_[*at]) : std::string(fallback);
}

IniSnapshot IniFile::Snapshot() const {
  std::vector<std::string> lines;
  if (!Load(path_, lines)) return {};
  return IniSnapshot(std::move(lines));
}

std::string IniFile::Read(std::string_view section, std::string_view key, std::string_view fallback) const {
  return Snapshot().Read(section, key, fallback);
}

Status IniFile::Write(std::string_view section, const std::vector<Entry>& entries) {
  for (const auto& entry : entries)
    if (!CanBeReadBack(Trim(SingleLine(entry.first))))
      return Status::Error("Cannot write '" + path_ + "': the key \"" + Cp1252ToUtf8(entry.first) +
                           "\" cannot be stored in a settings file");

  std::vector<std::string> lines;
  if (Status loaded = Load(path_, lines); !loaded) return loaded;

  const std::string name = Trim(SingleLine(section));
  auto span = FindSection(lines, name);
  if (!span) {
    if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
    lines.push_back("[" + name + "]");
    span = SectionSpan{lines.size() - 1, lines.size()};
  }
  for (const auto& [rawKey, rawValue] : entries) {
    const std::string key = Trim(SingleLine(rawKey));
    const std::string line = key + "=" + SingleLine(rawValue);
    if (const auto at = FindKey(lines, *span, key)) {
      lines[*at] = line;
      continue;
    }
    // A new key goes after the section's last non-blank line.
    std::size_t at = span->end;
    while (at > span->header + 1 && Trim(lines[at - 1]).empty()) --at;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), line);
    ++span->end;
  }
  return WriteFileAtomically(path_, [&lines](std::ostream& out) { WriteLinesCrLf(out, lines); });
}

Status IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  return Write(section, {Entry{std::string(key), std::string(value)}});
}

}  // namespace parlavo

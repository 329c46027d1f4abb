#include "verb_source.h"

#include <optional>

#include "text.h"
#include "verb_file.h"

namespace parlavo {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

class SourceError {
 public:
  // `lead`: blanks trimmed off the start of the line, so columns still count from the raw line.
  SourceError(const std::string& file, std::size_t line, std::size_t lead) : file_(file), line_(line), lead_(lead) {}
  std::string At(std::size_t column, const std::string& reason) const {
    return file_ + ":" + std::to_string(line_) + ":" + std::to_string(column + lead_) + ": " + reason;
  }

 private:
  const std::string& file_;
  std::size_t line_;
  std::size_t lead_;
};

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Column (from 1) of a byte offset, counting characters rather than bytes.
std::size_t ColumnOf(std::string_view utf8, std::size_t offset) {
  std::size_t column = 1;
  for (std::size_t i = 0; i < offset && i < utf8.size(); ++i)
    if (!IsContinuation(utf8[i])) ++column;
  return column;
}

// The character starting at `offset`, for the message.
std::string CharacterAt(std::string_view utf8, std::size_t offset) {
  std::size_t end = offset + 1;
  while (end < utf8.size() && end < offset + 4 && IsContinuation(utf8[end])) ++end;
  return std::string(utf8.substr(offset, end - offset));
}

std::optional<std::string> ToCp1252(std::string_view utf8, const SourceError& at, std::string& error) {
  std::size_t bad = 0;
  std::optional<std::string> text = Utf8ToCp1252(utf8, &bad);
  if (!text) {
    std::string reason(1, '\'');
    reason += CharacterAt(utf8, bad);
    reason += "' cannot be written in Windows-1252";
    error = at.At(ColumnOf(utf8, bad), reason);
    return std::nullopt;
  }
  for (std::size_t i = 0; i < text->size(); ++i) {
    const unsigned char c = static_cast<unsigned char>((*text)[i]);
    if (c < 0x20 && c != '\t') {
      error = at.At(i + 1, "control character " + std::to_string(c) + " is not allowed");
      return std::nullopt;
    }
  }
  return text;
}

bool CheckHeader(const std::string& line, const SourceError& at, std::string& error) {
  const std::size_t semicolon = line.find(';');
  if (semicolon == std::string::npos) {
    error = at.At(line.size() + 1, "a header needs ';' between the infinitive and the translation");
    return false;
  }
  if (semicolon == 1) {
    error = at.At(2, "the infinitive is empty");
    return false;
  }
  // The program takes the infinitive verbatim, so a stray blank would make a verb nobody can type.
  if (static_cast<unsigned char>(line[1]) <= 32 || static_cast<unsigned char>(line[semicolon - 1]) <= 32) {
    error = at.At(2, "blanks around the infinitive");
    return false;
  }
  return true;
}

bool CheckTenseLine(const std::string& line, const SourceError& at, std::string& error) {
  long long code = 0;
  if (line.size() < 3 || !ParseSignedDecimal(std::string_view(line).substr(0, 2), code) || line[2] != ':') {
    error = at.At(1, "expected a tense line 'NN:form,...' with a two-character code such as 01 or -2");
    return false;
  }
  if (code < -2 || code > 7) {
    error = at.At(1, "tense code " + std::to_string(code) + " is outside -2..7");
    return false;
  }
  return true;
}

}  // namespace

bool ReadVerbSource(std::string_view utf8, const std::string& fileName, std::string& body, std::string& error) {
  body.clear();
  error.clear();
  if (utf8.substr(0, kUtf8Bom.size()) == kUtf8Bom) utf8.remove_prefix(kUtf8Bom.size());

  bool inBlock = false;
  std::size_t lineNumber = 0;
  while (!utf8.empty() || lineNumber == 0) {
    const std::size_t eol = utf8.find('\n');
    std::string_view raw = utf8.substr(0, eol);
    utf8.remove_prefix(eol == std::string_view::npos ? utf8.size() : eol + 1);
    ++lineNumber;
    std::size_t lead = 0;
    while (lead < raw.size() && static_cast<unsigned char>(raw[lead]) <= 32) ++lead;
    const SourceError at(fileName, lineNumber, lead);

    // Lines are positional, so surrounding blanks (and a Windows CR) are dropped first.
    const std::optional<std::string> converted = ToCp1252(Trim(raw), at, error);
    if (!converted) return false;
    const std::string& line = *converted;

    if (line.empty()) {
      if (inBlock) body += "\r\n";
      inBlock = false;
    } else if (line[0] == '#') {
      continue;
    } else if (line[0] == '@') {
      if (!CheckHeader(line, at, error)) return false;
      if (inBlock) body += "\r\n";
      body += line;
      body += "\r\n";
      inBlock = true;
    } else if (inBlock) {
      if (!CheckTenseLine(line, at, error)) return false;
      body += line;
      body += "\r\n";
    } else {
      error = at.At(1, "expected a header '@infinitive;translation'");
      return false;
    }
    if (eol == std::string_view::npos) break;
  }
  // The loader reads a block straight into the count line unless an empty line ends it.
  if (inBlock) body += "\r\n";
  return true;
}

}  // namespace parlavo

// The loader: line assembly, integrity check and verb blocks.
#include "verb_file.h"

#include <algorithm>
#include <limits>

#include "atomic_file.h"
#include "scramble.h"
#include "text.h"
#include "verb_maker.h"

namespace parlavo {

namespace {

constexpr char kCR = '\r';
constexpr char kLF = '\n';
constexpr unsigned char kRawEndOfFile = 0x1A;

LoadObserver& Quiet() {
  static LoadObserver none;
  return none;
}

std::string Quoted(std::string_view text) {
  std::string quoted(1, '\'');
  quoted += Cp1252ToUtf8(text);
  quoted += '\'';
  return quoted;
}

}  // namespace

VerbFileLines SplitVerbFileLines(std::string_view stored) {
  VerbFileLines file;
  const std::size_t end = std::min(stored.find(static_cast<char>(kRawEndOfFile)), stored.size());
  file.byteCount = end;
  const std::string plain = Unscramble(stored.substr(0, end));
  file.lines.reserve(end / 24 + 1);

  std::size_t pos = 0;
  while (pos < end) {
    const std::size_t start = pos;
    char previous = ' ', current = ' ';
    while (pos < end && current != kLF && previous != kCR) {
      previous = current;
      current = plain[pos++];
    }
    // Only the line's last two characters can be the CR LF pair that is dropped.
    const std::size_t length = pos - start - (current == kLF && previous == kCR ? 2 : 0);
    file.lines.emplace_back(plain, start, length);
  }
  return file;
}

bool ParseSignedDecimal(std::string_view text, long long& value) {
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  unsigned long long magnitude = 0;
  const unsigned long long limit =
      static_cast<unsigned long long>(std::numeric_limits<long long>::max()) + (negative ? 1 : 0);
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    const unsigned digit = static_cast<unsigned>(c - '0');
    if (magnitude > (limit - digit) / 10) return false;
    magnitude = magnitude * 10 + digit;
  }
  value = negative ? static_cast<long long>(0 - magnitude) : static_cast<long long>(magnitude);
  return true;
}

long long ExpectedCount(const VerbFileLines& file) {
  const std::size_t n = file.lines.size();
  const std::size_t last = n >= 1 ? file.lines[n - 1].size() : 0;
  const std::size_t nextToLast = n >= 2 ? file.lines[n - 2].size() : 0;
  return static_cast<long long>(file.byteCount) - static_cast<long long>(nextToLast + 2) -
         static_cast<long long>(last + 2);
}

std::string ComposeVerbFile(std::string_view body) {
  std::string plain;
  plain.reserve(body.size() + 3 * kVerbFileMarker.size() + 16);
  plain += kVerbFileMarker;
  plain += "\r\n";
  plain += body;
  const std::size_t count = plain.size();
  plain += '#';
  plain += std::to_string(count);
  plain += "\r\n";
  plain += kVerbFileMarker;
  plain += "\r\n";
  return Scramble(plain);
}

FormTable EmptyFormTable() {
  FormTable table;
  for (auto& row : table) row.fill(std::string(kError));
  return table;
}

bool TVerbMaker::IsVerbHeader(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && static_cast<unsigned char>(line[i]) <= 32) ++i;
  return i < line.size() && line[i] == '@';
}

unsigned char TVerbMaker::Unscramble(unsigned char byte) { return UnscrambleByte(byte); }

std::string TVerbMaker::NextField(char separator) {
  const std::size_t at = FieldBuffer.find(separator);
  std::string field;
  if (at == std::string::npos) {
    field = FieldBuffer;  // no separator left: the buffer stays, so the last field repeats
  } else {
    field = FieldBuffer.substr(0, at);
    FieldBuffer = Trim(std::string_view(FieldBuffer).substr(at + 1));
  }
  TrimInPlace(field);
  // A field of blanks alone is as empty as no field: an empty form would make an
  // item that no answer can match.
  if (field.empty()) field = kError;
  return field;
}

Status TVerbMaker::ParseVerbBlock(std::size_t headerIndex) {
  const std::string& header = FileLines[headerIndex];
  const std::size_t semicolon = header.find(';');
  std::string infinitive, translation;
  if (semicolon == std::string::npos) {
    translation = Trim(header);
  } else {
    if (semicolon > 1) infinitive = header.substr(1, semicolon - 1);
    translation = Trim(std::string_view(header).substr(semicolon + 1));
  }
  if (observer_) observer_->AddInfinitive(infinitive);

  ResetForms();
  for (std::size_t i = headerIndex + 1; i < FileLines.size(); ++i) {
    const std::string& line = FileLines[i];
    if (line.empty() || line[0] == '@') break;
    long long code = 0;
    if (!ParseSignedDecimal(std::string_view(line).substr(0, 2), code))
      return Status::Error("line " + std::to_string(i + 1) + ": the tense code " + Quoted(line.substr(0, 2)) +
                           " is not a number");
    if (code < -2 || code > 7) continue;
    FieldBuffer = line.size() > 3 ? line.substr(3) : std::string();
    formRowUsed_[code + 2] = true;
    for (std::string& cell : forms_[code + 2]) cell = NextField(',');
  }
  if (verbList_) BuildVerbItems(infinitive, translation, forms_, *verbList_);
  return Status::Ok();
}

void TVerbMaker::ResetForms() {
  for (std::size_t row = 0; row < forms_.size(); ++row) {
    if (!formRowUsed_[row]) continue;
    for (std::string& cell : forms_[row]) cell.assign(kError);
    formRowUsed_[row] = false;
  }
}

bool TVerbMaker::CheckIntegrity(long long expected) {
  const std::size_t n = FileLines.size();
  const std::string countLine = n >= 2 ? FileLines[n - 2] : std::string();
  const std::string countLineName = "the count line " + Quoted(countLine) + " (line " + std::to_string(n - 1) + ")";
  long long found = 0;
  const bool numeric = !countLine.empty() && ParseSignedDecimal(std::string_view(countLine).substr(1), found);
  std::vector<std::string> problems;
  const bool openingOk = FileLines.front() == kVerbFileMarker;
  if (!openingOk) problems.push_back("line 1 is not the opening marker");
  // Tested in this order; a count that is no number stops the load unless the
  // opening marker has already decided the result.
  if (!numeric) {
    if (openingOk) return Fail(countLineName + " holds no number");
    problems.push_back(countLineName + " holds no number");
  } else if (found != expected) {
    problems.push_back("count mismatch: expected " + std::to_string(expected) + ", found " + std::to_string(found));
  }
  if (FileLines.back() != kVerbFileMarker) problems.push_back("the last line is not the closing marker");
  for (const std::string& problem : problems) Fail(problem);
  return true;
}

bool TVerbMaker::Fail(const std::string& problem) {
  const std::string& before = loadStatus_.message();
  loadStatus_ = Status::Error(before.empty() ? problem : before + "; " + problem);
  return false;
}

bool TVerbMaker::LoadVerbFile(const std::string& fileName, VerbList& list, LoadObserver* observer) {
  std::string bytes;
  if (Status read = ReadWholeFile(fileName, bytes); !read) {
    LoadObserver& watch = observer ? *observer : Quiet();
    watch.LoadStarted();
    watch.SetLoadPosition(0);
    loadStatus_ = std::move(read);
    return false;
  }
  return LoadVerbBytes(bytes, list, observer);
}

bool TVerbMaker::LoadVerbBytes(std::string_view bytes, VerbList& list, LoadObserver* observer) {
  LoadObserver& watch = observer ? *observer : Quiet();
  observer_ = &watch;
  verbList_ = &list;
  watch.LoadStarted();
  watch.SetLoadPosition(0);
  loadStatus_ = Status::Ok();
  // Nothing below throws for bad data; this catch only keeps a failed allocation
  // (a huge file on a small machine) from leaving the loader: it becomes the reason.
  try {
    VerbFileLines file = SplitVerbFileLines(bytes);
    const long long expected = ExpectedCount(file);
    FileLines = std::move(file.lines);
    if (FileLines.empty()) return Fail("the file is empty");
    for (std::size_t i = 0; i < FileLines.size(); ++i)
      if (FileLines[i].size() > kLongestVerbFileLine)
        return Fail("line " + std::to_string(i + 1) + " is longer than " + std::to_string(kLongestVerbFileLine) +
                    " characters");
    const std::size_t n = FileLines.size();
    if (!CheckIntegrity(expected)) return false;

    watch.SetFinalPosition(static_cast<int>(4 * n));
    std::size_t headers = 0;
    for (const std::string& line : FileLines) headers += IsVerbHeader(line) ? 1 : 0;
    list.ReserveMore(headers * kItemsPerVerb, headers);
    for (std::size_t i = 0; i < n; ++i) {
      watch.SetLoadPosition(static_cast<int>(i));
      watch.ProcessPendingMessages();
      if (!IsVerbHeader(FileLines[i])) continue;
      if (const Status parsed = ParseVerbBlock(i); !parsed) return Fail(parsed.message());
    }
    return loadStatus_.ok();
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
}

}  // namespace parlavo

#include "history.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>

#include "number_text.h"
#include "result_line.h"
#include "token_reader.h"
#include "text.h"

namespace parlavo {

namespace {

std::optional<std::int64_t> ParseCount(std::string_view text) {
  std::int64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> ParseAverage(std::string_view text) {
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || !(value >= -10 && value <= 10))
    return std::nullopt;
  return value;
}

}  // namespace

std::string FormatHistoryLine(const HistoryEntry& entry) {
  return FormatDateTime(entry.start) + "," + std::to_string(entry.firstLine) + "," + std::to_string(entry.lastLine) +
         "," + std::to_string(entry.count) + "," + FormatFixed(entry.average, 2);
}

std::optional<HistoryEntry> ParseHistoryLine(std::string_view line) {
  std::string_view fields[5];
  std::string_view rest = TrimmedView(line);
  for (std::string_view& field : fields) {
    const std::size_t cut = rest.find(',');
    field = TrimmedView(rest.substr(0, cut));
    rest = cut == std::string_view::npos ? std::string_view{} : rest.substr(cut + 1);
    if (cut == std::string_view::npos && &field != &fields[4]) return std::nullopt;
  }
  if (!TrimmedView(rest).empty()) return std::nullopt;
  const auto start = ParseDateTime(fields[0]);
  const auto first = ParseCount(fields[1]), last = ParseCount(fields[2]);
  const auto count = ParseCount(fields[3]);
  const auto average = ParseAverage(fields[4]);
  if (!start || !first || !last || !count || !average || *first < 1 || *last < *first || *count < 0)
    return std::nullopt;
  return HistoryEntry{*start, *first, *last, *count, *average};
}

HistoryLines ParseHistory(const std::vector<std::string>& lines) {
  HistoryLines history;
  history.entries.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (TrimmedView(lines[i]).empty()) continue;
    if (auto entry = ParseHistoryLine(lines[i])) {
      history.entries.push_back(*entry);
    } else if (history.damaged++ == 0) {
      history.firstDamaged = i + 1;
    }
  }
  return history;
}

std::string DamagedHistoryMessage(const HistoryLines& history, const std::string& fileName) {
  if (history.damaged == 0) return "";
  const std::string lines = history.damaged == 1 ? "line " + std::to_string(history.firstDamaged) + " is"
                                                 : std::to_string(history.damaged) + " lines (the first is line " +
                                                       std::to_string(history.firstDamaged) + ") are";
  return "\"" + fileName + "\": " + lines +
         " damaged and left out, so some answers may count as long ago. The file keeps "
         "them as they are.";
}

HistoryEntry RunEntry(const LocalDateTime& start, const std::vector<std::string>& resultLines, std::size_t runCount) {
  runCount = std::min(runCount, resultLines.size());
  HistoryEntry entry;
  entry.start = start;
  entry.lastLine = static_cast<std::int64_t>(resultLines.size());
  entry.firstLine = entry.lastLine - static_cast<std::int64_t>(runCount) + 1;
  entry.count = static_cast<std::int64_t>(runCount);
  double sum = 0;
  std::int64_t scored = 0;
  ResultFields fields;
  for (std::size_t i = resultLines.size() - runCount; i < resultLines.size(); ++i) {
    if (!ParseResultFields(resultLines[i], fields)) continue;
    sum += fields.score;
    ++scored;
  }
  // Scores are -10..10 on every line the program writes; a hand-edited line
  // outside them must not make the history line unreadable.
  if (scored > 0) entry.average = std::clamp(sum / static_cast<double>(scored), -10.0, 10.0);
  return entry;
}

std::vector<Day> ResultDays(std::size_t resultCount, const std::vector<HistoryEntry>& entries) {
  std::vector<Day> days(resultCount, kUndated);
  std::vector<std::size_t> order(entries.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  // Latest first: each line takes the day of the first entry here that covers it.
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return entries[a].start != entries[b].start ? entries[a].start > entries[b].start : a > b;
  });
  // nextFree[i]: the first line at or after i still without a day (path-halved), so
  // overlapping claims cost nothing for lines already dated.
  std::vector<std::size_t> nextFree(resultCount + 1);
  std::iota(nextFree.begin(), nextFree.end(), std::size_t{0});
  auto find = [&](std::size_t i) {
    while (nextFree[i] != i) i = nextFree[i] = nextFree[nextFree[i]];
    return i;
  };
  const auto count = static_cast<std::int64_t>(resultCount);
  for (std::size_t e : order) {
    const HistoryEntry& entry = entries[e];
    if (entry.firstLine > count) continue;
    const auto first = static_cast<std::size_t>(entry.firstLine - 1);
    const auto end = static_cast<std::size_t>(std::min(entry.lastLine, count));
    for (std::size_t i = find(first); i < end; i = find(i)) {
      days[i] = entry.start.day;
      nextFree[i] = i + 1;
    }
  }
  return days;
}

}  // namespace parlavo

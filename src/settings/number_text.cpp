#include "number_text.h"

#include <charconv>
#include <cmath>

namespace parlavo {

namespace {

// One sign at most: from_chars takes "-" but not "+", so a "+" is dropped here, and
// a second sign after it ("+-1", which from_chars would read as -1) is refused.
bool DropPlus(std::string_view& text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) return false;
  }
  return !text.empty();
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  if (!DropPlus(text)) return std::nullopt;
  // Up to nine digits cannot overflow: read them here, as every field of every result
  // line comes this way.
  const bool negative = text.front() == '-';
  const std::size_t first = negative ? 1 : 0;
  if (text.size() > first && text.size() - first <= 9) {
    std::int32_t value = 0;
    for (std::size_t i = first; i < text.size(); ++i) {
      const unsigned digit = static_cast<unsigned char>(text[i]) - unsigned{'0'};
      if (digit > 9) return std::nullopt;
      value = value * 10 + static_cast<std::int32_t>(digit);
    }
    return negative ? -value : value;
  }
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<float> ParseDecimal(std::string_view text) {
  if (!DropPlus(text)) return std::nullopt;
  float value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string FormatSingle(float value) {
  char buffer[64];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value), std::chars_format::general, 15);
  if (ec != std::errc{}) return "0";
  return std::string(buffer, end);
}

std::string FormatFixed(double value, int decimals) {
  char buffer[400];  // room for the widest double written in full
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (ec != std::errc{}) return "0";
  return std::string(buffer, end);
}

}  // namespace parlavo

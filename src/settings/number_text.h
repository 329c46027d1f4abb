// Numbers as the settings and results files write them: decimal, "." as the
// decimal separator whatever the locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace parlavo {

// An optional sign and decimal digits, nothing else, within 32 bits.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// A decimal number with "." (optional sign, digits, point, exponent); no blanks,
// no trailing text, nothing infinite or NaN.
std::optional<float> ParseDecimal(std::string_view text);

// The single-precision value in general format with up to 15 significant digits:
// 0.5 -> "0.5", 0.3f -> "0.300000011920929".
std::string FormatSingle(float value);

// `value` with exactly `decimals` digits after the ".": FormatFixed(8.25, 1) -> "8.2"
// (the nearest, halves to even on the binary value), FormatFixed(10, 2) -> "10.00".
std::string FormatFixed(double value, int decimals);

}  // namespace parlavo

#include "number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <optional>

namespace parlavo {
namespace {

TEST(NumberText, IntegersAcceptOnlySignAndDigits) {
  const struct {
    const char* text;
    std::optional<std::int32_t> value;
  } cases[] = {
      // clang-format off
      {"0", 0}, {"42", 42}, {"-7", -7}, {"+3", 3}, {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1}, {"2147483648", std::nullopt}, {"", std::nullopt},
      {"-", std::nullopt}, {"+", std::nullopt}, {"++1", std::nullopt}, {"+-1", std::nullopt},
      {"-+1", std::nullopt}, {"--1", std::nullopt}, {"1x", std::nullopt},
      {"yes", std::nullopt}, {" 1", std::nullopt}, {"1.0", std::nullopt},
      // Nine digits and fewer take a short way, ten and more the general one.
      {"999999999", 999999999}, {"-999999999", -999999999}, {"0000000012", 12},
      {"-5x", std::nullopt}, {"--5", std::nullopt}, {"1-", std::nullopt}, {"+-5", std::nullopt},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, DecimalsUseThePointWhateverTheLocale) {
  // A locale with a decimal comma must not change the reading; ignore it when absent.
  std::setlocale(LC_ALL, "de_DE.UTF-8");
  const struct {
    const char* text;
    std::optional<float> value;
  } cases[] = {
      // clang-format off
      {"0.5", 0.5f}, {"2", 2.0f}, {".25", 0.25f}, {"-1.5", -1.5f}, {"+1.5", 1.5f}, {"1e1", 10.0f},
      {"0,5", std::nullopt}, {"-", std::nullopt}, {"+-1", std::nullopt}, {"+-0.5", std::nullopt},
      {"-+1", std::nullopt}, {"1..2", std::nullopt}, {"", std::nullopt},
      {"inf", std::nullopt}, {"nan", std::nullopt}, {"1e99", std::nullopt}, {"0.5s", std::nullopt},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(ParseDecimal(c.text), c.value) << '"' << c.text << '"';
  std::setlocale(LC_ALL, "C");
}

TEST(NumberText, SingleIsWrittenWithFifteenSignificantDigits) {
  EXPECT_EQ(FormatSingle(0.5f), "0.5");
  EXPECT_EQ(FormatSingle(0.3f), "0.300000011920929");
  EXPECT_EQ(FormatSingle(2.0f), "2");
  EXPECT_EQ(FormatSingle(-1.25f), "-1.25");
  EXPECT_EQ(ParseDecimal(FormatSingle(0.3f)), 0.3f);  // what is written reads back the same
}

}  // namespace
}  // namespace parlavo

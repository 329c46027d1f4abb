#include "filter_name.h"

#include <gtest/gtest.h>

namespace parlavo {
namespace {

TEST(FilterNameTest, TrimsOnceThenChecks) {
  const std::vector<std::string> saved = {"Mine", "Caf\xE9"};
  const struct {
    const char* typed;
    const char* name;
    FilterNameVerdict verdict;
  } cases[] = {
      {"Foo", "Foo", FilterNameVerdict::kAccepted},
      {"  Foo \t", "Foo", FilterNameVerdict::kAccepted},  // never "Foo PEOPLE" keys
      {"Two words", "Two words", FilterNameVerdict::kAccepted},
      {"x]y", "x]y", FilterNameVerdict::kAccepted},
      {"a;b", "a;b", FilterNameVerdict::kAccepted},  // ";" only counts at the start
      {"Current Filter", "Current Filter", FilterNameVerdict::kAccepted},
      {"", "", FilterNameVerdict::kEmpty},
      {"   ", "", FilterNameVerdict::kEmpty},
      {"\t\r\n", "", FilterNameVerdict::kEmpty},
      {"[Options]", "[Options]", FilterNameVerdict::kUnsafeCharacters},
      {" [x", "[x", FilterNameVerdict::kUnsafeCharacters},
      {";note", ";note", FilterNameVerdict::kUnsafeCharacters},
      {"a=b", "a=b", FilterNameVerdict::kUnsafeCharacters},
      {"=", "=", FilterNameVerdict::kUnsafeCharacters},
      {"one,two", "one,two", FilterNameVerdict::kUnsafeCharacters},
      {",", ",", FilterNameVerdict::kUnsafeCharacters},
      {"mine", "mine", FilterNameVerdict::kDuplicate},
      {" MINE ", "MINE", FilterNameVerdict::kDuplicate},
      {"CAF\xC9", "CAF\xC9", FilterNameVerdict::kDuplicate},  // accented letters fold too
  };
  for (const auto& c : cases) {
    const CheckedFilterName checked = CheckNewFilterName(c.typed, saved);
    EXPECT_EQ(checked.name, c.name) << '"' << c.typed << '"';
    EXPECT_EQ(checked.verdict, c.verdict) << '"' << c.typed << '"';
  }
}

}  // namespace
}  // namespace parlavo

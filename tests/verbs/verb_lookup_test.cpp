#include "verb_lookup.h"

#include <gtest/gtest.h>

#include "verb_maker.h"

namespace parlavo {
namespace {

TEST(FindInfinitive, TrimmedAndInAnyCase) {
  VerbList items;
  TVerbMaker maker;
  for (const char* verb : {"hablar", "re\xEDr", "ir", "hablar"})
    maker.BuildVerbItems(verb, "to", EmptyFormTable(), items);
  const struct {
    const char* typed;
    const char* found;
  } cases[] = {
      // clang-format off
      {"hablar", "hablar"},     {"Hablar", "hablar"},   {" hablar ", "hablar"}, {"HABLAR\t", "hablar"},
      {"RE\xCDR", "re\xEDr"},  {"Re\xEDr", "re\xEDr"}, {"IR", "ir"},           {"hablr", ""},
      {"reir", ""},             {"", ""},               {"   ", ""},            {"habla", ""},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(FindInfinitive(items, c.typed), c.found) << '"' << c.typed << '"';
}

}  // namespace
}  // namespace parlavo

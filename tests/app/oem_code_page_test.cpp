#include "oem_code_page.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace parlavo {
namespace {

struct Case {
  const char* charset;
  int codePage;
};

class OemCodePageTest : public ::testing::TestWithParam<Case> {};

TEST_P(OemCodePageTest, MapsTheLocaleCharacterSet) {
  EXPECT_EQ(OemCodePageOfCharset(GetParam().charset), GetParam().codePage) << GetParam().charset;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Charsets, OemCodePageTest,
    ::testing::Values(Case{"ANSI_X3.4-1968", 437},  // the C locale
                      Case{"ASCII", 437}, Case{"US-ASCII", 437}, Case{"UTF-8", 850}, Case{"utf8", 850},
                      Case{"ISO-8859-1", 850}, Case{"ISO-8859-15", 850}, Case{"CP1252", 850},
                      Case{"WINDOWS-1252", 850}, Case{"CP1251", 1251}, Case{"windows-1250", 1250},
                      Case{"ISO-8859-5", 28595}, Case{"KOI8-R", 20866}, Case{"CP437", 437},
                      Case{"IBM850", 850}, Case{"no-such-set", 0}, Case{"CPxyz", 0}),
    [](const auto& info) {
      // A test name allows letters, digits and '_' only.
      std::string name = info.param.charset;
      for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });
// clang-format on

}  // namespace
}  // namespace parlavo

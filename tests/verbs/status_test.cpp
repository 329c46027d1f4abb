#include "status.h"

#include <gtest/gtest.h>

#include <sstream>

namespace parlavo {
namespace {

std::string Printed(const Status& status) {
  std::ostringstream out;
  out << status;
  return out.str();
}

TEST(Status, OkAndErrors) {
  const struct {
    const char* name;
    Status status;
    bool ok;
    std::string message;
    std::string printed;
  } cases[] = {
      {"ok", Status::Ok(), true, "", "ok"},
      {"default is ok", Status(), true, "", "ok"},
      {"error keeps its text byte for byte", Status::Error("Cannot read 'Resultados\xe1.txt': Permission denied"),
       false, "Cannot read 'Resultados\xe1.txt': Permission denied",
       "error: Cannot read 'Resultados\xe1.txt': Permission denied"},
      // Success is never read from the text: a failure without words is still one.
      {"error without a message", Status::Error(""), false, "", "error: "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.status.ok(), c.ok);
    EXPECT_EQ(static_cast<bool>(c.status), c.ok);
    EXPECT_EQ(c.status.message(), c.message);
    EXPECT_EQ(Printed(c.status), c.printed);
  }
}

TEST(Status, Equality) {
  EXPECT_EQ(Status::Ok(), Status());
  EXPECT_EQ(Status::Error("a"), Status::Error("a"));
  EXPECT_NE(Status::Error("a"), Status::Error("b"));
  EXPECT_NE(Status::Ok(), Status::Error(""));
  EXPECT_NE(Status::Ok(), Status::Error("a"));
}

}  // namespace
}  // namespace parlavo

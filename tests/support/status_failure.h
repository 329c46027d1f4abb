// For tests of operations that must fail: the message of the failure, and a test
// failure when the operation reported success instead.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "status.h"

namespace parlavo {

inline std::string FailureMessage(const Status& status) {
  EXPECT_FALSE(status.ok()) << "a failure was due";
  return status.message();
}

}  // namespace parlavo

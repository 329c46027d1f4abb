// The user's options, kept in section "Options" of the settings file.
#pragma once

#include <cstdint>

namespace parlavo {

struct TOptions {
  std::int32_t simplemod = 1;  // selected entry of the test list
  bool exact = true;
  bool showerr = true;
  bool word = false;
  bool letters = true;
  bool beep = true;
  bool random = true;
  bool pause = true;
  float pausetime = 0.5f;  // seconds
  bool move = true;
  bool excel = true;  // not shown; read and written back unchanged
  bool eng = false;
  bool span = false;
  bool adv = false;
  std::int32_t country = 0;  // 0 Spain, 1 Latin America, 2 Argentina, else all
  bool untested = false;

  bool operator==(const TOptions&) const = default;
};

}  // namespace parlavo

// Rounding to the nearest integer with ties to even, as the loading bars count.
#pragma once

#include <cmath>

namespace parlavo {

inline int RoundHalfEven(double value) {
  const double down = std::floor(value);
  const double diff = value - down;
  if (diff > 0.5) return static_cast<int>(down) + 1;
  if (diff < 0.5) return static_cast<int>(down);
  return static_cast<int>(std::fmod(down, 2.0) == 0.0 ? down : down + 1);
}

}  // namespace parlavo

// The fixed byte substitution of the verb data file.
#pragma once

#include <string>
#include <string_view>

namespace parlavo {

unsigned char ScrambleByte(unsigned char plain);
unsigned char UnscrambleByte(unsigned char stored);
std::string Scramble(std::string_view plain);
std::string Unscramble(std::string_view stored);

}  // namespace parlavo

// Reading a data file the way the program does, for decompile and check.
#pragma once

#include <string>

#include "verb_file.h"

namespace parlavo {

struct DataFileReading {
  bool readable = false;  // the file could be read at all
  bool valid = false;     // the program would accept it
  std::string problems;   // why not, "" when valid
  VerbFileLines file;     // its lines, as the program assembles them
};

DataFileReading ReadDataFile(const std::string& path);

}  // namespace parlavo

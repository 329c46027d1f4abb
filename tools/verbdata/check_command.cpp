#include "data_file_reading.h"
#include "verbdata_commands.h"

namespace parlavo {

int CheckVerbData(const std::string& dataFile, std::ostream& out) {
  const DataFileReading reading = ReadDataFile(dataFile);
  if (reading.valid) {
    out << "valid\n";
    return 0;
  }
  out << "invalid: " << (reading.problems.empty() ? "the program would not load it" : reading.problems) << '\n';
  return 1;
}

}  // namespace parlavo

#include <sstream>

#include "atomic_file.h"
#include "data_file_reading.h"
#include "text.h"
#include "verbdata_commands.h"

namespace parlavo {

namespace {

// The lines between the opening marker and the count line, as UTF-8.
void WriteSource(std::ostream& out, const VerbFileLines& file) {
  const std::vector<std::string>& lines = file.lines;
  for (std::size_t i = 1; i + 2 < lines.size(); ++i) out << Cp1252ToUtf8(lines[i]) << '\n';
}

}  // namespace

int DecompileVerbData(const std::string& dataFile, const std::optional<std::string>& source, std::ostream& out,
                      std::ostream& err) {
  const DataFileReading reading = ReadDataFile(dataFile);
  if (!reading.valid) {
    err << (reading.readable ? dataFile + " is not a valid data file: " : std::string()) << reading.problems << '\n';
    return 1;
  }
  if (!source) {
    WriteSource(out, reading.file);
    return out ? 0 : 1;
  }
  const Status written = WriteFileAtomically(*source, [&](std::ostream& o) { WriteSource(o, reading.file); });
  if (!written) {
    err << written.message() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace parlavo

#include "data_file_reading.h"

#include "atomic_file.h"
#include "verb_maker.h"

namespace parlavo {

DataFileReading ReadDataFile(const std::string& path) {
  DataFileReading reading;
  std::string bytes;
  if (const Status read = ReadWholeFile(path, bytes); !read) {
    reading.problems = read.message();
    return reading;
  }
  reading.readable = true;
  // The program's own loader is the judge, so the tool never disagrees with it.
  VerbList items;
  TVerbMaker maker;
  reading.valid = maker.LoadVerbBytes(bytes, items);
  reading.problems = maker.LoadStatus().message();
  reading.file = SplitVerbFileLines(bytes);
  // Why a file broke is worth saying; a good file with junk after the byte is fine as the program sees it.
  if (!reading.valid && reading.file.byteCount < bytes.size()) {
    reading.problems += (reading.problems.empty() ? "" : "; ") + std::string("a raw end-of-file byte at offset ") +
                        std::to_string(reading.file.byteCount) + " cuts the file short";
  }
  return reading;
}

}  // namespace parlavo

#include "atomic_file.h"
#include "verb_file.h"
#include "verb_source.h"
#include "verbdata_commands.h"

namespace parlavo {

int CompileVerbData(const std::string& source, const std::string& dataFile, std::ostream& err) {
  std::string utf8, body, error;
  if (const Status read = ReadWholeFile(source, utf8); !read) {
    err << read.message() << '\n';
    return 1;
  }
  if (!ReadVerbSource(utf8, source, body, error)) {
    err << error << '\n';
    return 1;
  }
  const Status written = WriteFileAtomically(dataFile, [&](std::ostream& out) { out << ComposeVerbFile(body); });
  if (!written) {
    err << written.message() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace parlavo

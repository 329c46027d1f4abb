#include "atomic_file.h"
#include "verb_file.h"
#include "verb_source.h"
#include "verbdata_commands.h"

namespace parlavo {

int CompileVerbData(const std::string& source, const std::string& dataFile, std::ostream& err) {
  std::string utf8, body, error;
  if (!ReadWholeFile(source, utf8, &error) || !ReadVerbSource(utf8, source, body, error)) {
    err << error << '\n';
    return 1;
  }
  error = WriteFileAtomically(dataFile, [&](std::ostream& out) { out << ComposeVerbFile(body); });
  if (!error.empty()) {
    err << error << '\n';
    return 1;
  }
  return 0;
}

}  // namespace parlavo

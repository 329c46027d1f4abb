// The three commands of the verb data tool. Each returns the process exit status
// and writes messages to the streams given.
#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace parlavo {

// Source (UTF-8) -> scrambled data file, written atomically.
int CompileVerbData(const std::string& source, const std::string& dataFile, std::ostream& err);
// Data file -> source; to `out` when `source` is not given.
int DecompileVerbData(const std::string& dataFile, const std::optional<std::string>& source, std::ostream& out,
                      std::ostream& err);
// Prints "valid", or "invalid: " and every reason; 0 only when valid.
int CheckVerbData(const std::string& dataFile, std::ostream& out);

}  // namespace parlavo

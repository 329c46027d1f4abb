// Whole-file writes that never leave a half-written file behind. Shared by the
// exports, the settings file and the results file.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "status.h"

namespace parlavo {

// Writes a temporary file beside `path` with `writer`, flushes it to disk and
// renames it into place. On any failure the temporary is removed, the old file
// (if any) is untouched, and the error names the file and the system's reason.
// A symbolic link is written through: its final target is replaced (the temporary
// lies beside the target) and the link is kept. A file that exists with no write
// permission in its mode, or that the user may not write, is refused and left as it is.
Status WriteFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& writer);

// Reads a whole file as bytes; an error (and no bytes) when it cannot be opened or read.
Status ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace parlavo

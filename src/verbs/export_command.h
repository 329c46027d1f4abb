// The exports without a window, for scripts: load "verb.ini" from the current
// folder and write one listing beside it.
#pragma once

#include <ostream>

namespace parlavo {

enum class ExportKind { AllVerbs, SpecialVerbs };

// Exit status: 0 written, 1 no usable "verb.ini", 2 the listing could not be
// written (no partial file is left). Errors go to `err`.
int RunExportCommand(ExportKind kind, std::ostream& err);

}  // namespace parlavo

// The exports without a window, for scripts: load the verb data and write one
// listing into the current folder.
#pragma once

#include <ostream>
#include <string>

namespace parlavo {

enum class ExportKind { AllVerbs, SpecialVerbs };

// Exit status: 0 written, 1 no usable "verb.ini", 2 the listing could not be
// written (no partial file is left). Errors go to `err`; an unusable data file is
// reported with the loader's reason on the line after the window's message.
int RunExportCommand(ExportKind kind, std::ostream& err, const std::string& verbFile = "verb.ini");

}  // namespace parlavo

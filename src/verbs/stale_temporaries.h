// Temporary files that a killed whole-file write left behind ("Results.txt.Ab3xZ9"
// beside "Results.txt", see WriteFileAtomically) would pile up forever. The program
// removes them at start-up, while it holds the folder's instance lock, so no other
// copy of it can be in the middle of a save.
#pragma once

#include <string>
#include <vector>

namespace parlavo {

// Whether `candidate` is a temporary of a whole-file write of `name`: the name, a
// dot and six letters or digits.
bool IsTemporaryOf(const std::string& candidate, const std::string& name);

// Removes from `folder` the regular files that are temporaries of one of `names`
// (bare file names). Anything else, even a similar name, stays. Returns the paths
// removed.
std::vector<std::string> RemoveStaleTemporaries(const std::string& folder, const std::vector<std::string>& names);

}  // namespace parlavo

// Names of saved filters. A name is the first part of five keys of section "Filter"
// and one item of the comma-separated "List", so characters that the settings file
// or the list read as structure cannot be part of it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace parlavo {

enum class FilterNameVerdict { kAccepted, kEmpty, kUnsafeCharacters, kDuplicate };

struct CheckedFilterName {
  std::string name;  // the typed text trimmed once: what is compared, stored and listed
  FilterNameVerdict verdict = FilterNameVerdict::kAccepted;
};

// Trims the typed text (blanks and control characters at both ends) and checks the
// result: not empty; no "=" or "," and no "[" or ";" at its start; equal to none of
// `saved` ignoring case.
CheckedFilterName CheckNewFilterName(std::string_view typed, const std::vector<std::string>& saved);

// The message box for a name refused for its characters.
inline constexpr std::string_view kUnsafeFilterNameTitle = "Filter Name Error";
inline constexpr std::string_view kUnsafeFilterNameText =
    "A filter name cannot contain \"=\" or \",\" and cannot begin with \"[\" or \";\".\n"
    "Please choose another name for your new filter.";

}  // namespace parlavo

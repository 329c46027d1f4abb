#include "filter_name.h"

#include <algorithm>

#include "text.h"

namespace parlavo {

namespace {

// "=" would split the key, "[" and ";" at the start turn the key line into a
// section header or a comment, and "," splits the name into pieces in "List".
bool HasUnsafeCharacters(std::string_view name) {
  return name.front() == '[' || name.front() == ';' || name.find_first_of("=,") != std::string_view::npos;
}

}  // namespace

CheckedFilterName CheckNewFilterName(std::string_view typed, const std::vector<std::string>& saved) {
  CheckedFilterName checked{Trim(typed)};
  if (checked.name.empty())
    checked.verdict = FilterNameVerdict::kEmpty;
  else if (HasUnsafeCharacters(checked.name))
    checked.verdict = FilterNameVerdict::kUnsafeCharacters;
  else if (std::any_of(saved.begin(), saved.end(),
                       [&](const std::string& old) { return EqualsIgnoringCase(old, checked.name); }))
    checked.verdict = FilterNameVerdict::kDuplicate;
  return checked;
}

}  // namespace parlavo

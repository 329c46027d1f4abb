// Differences between our verb forms and the generator's that we accept, each
// with its reason (the generator's slips, forms it lacks, alternatives both
// correct). File lines: verb;tense;person;our form;generator's form;reason.
// "*" in the first five fields matches anything, "#" as the generator's form
// means it has none. Texts are Windows-1252 once read.
#pragma once

#include <string>
#include <vector>

namespace parlavo::verbdata {

struct Difference {
  std::string verb, tense, person, ours, generator;
  auto operator<=>(const Difference&) const = default;
};

struct AcceptedDifference {
  Difference what;
  std::string reason;
  bool Matches(const Difference& d) const;
};

// Throws std::runtime_error naming the line of a malformed entry.
std::vector<AcceptedDifference> ReadAcceptedDifferences(const std::string& utf8Text);

// The line that would accept a difference (without its reason), in UTF-8.
std::string ListLine(const Difference& d);

}  // namespace parlavo::verbdata

#include "accepted_differences.h"

#include <sstream>
#include <stdexcept>

#include "text.h"

namespace parlavo::verbdata {

namespace {

bool FieldMatches(const std::string& pattern, const std::string& value) { return pattern == "*" || pattern == value; }

}  // namespace

bool AcceptedDifference::Matches(const Difference& d) const {
  return FieldMatches(what.verb, d.verb) && FieldMatches(what.tense, d.tense) && FieldMatches(what.person, d.person) &&
         FieldMatches(what.ours, d.ours) && FieldMatches(what.generator, d.generator);
}

std::vector<AcceptedDifference> ReadAcceptedDifferences(const std::string& utf8Text) {
  std::vector<AcceptedDifference> list;
  std::istringstream lines(utf8Text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    line = Trim(line);
    if (line.empty() || line[0] == '#') continue;
    auto text = Utf8ToCp1252(line);
    if (!text) throw std::runtime_error("line " + std::to_string(number) + ": not Windows-1252");
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (int i = 0; i < 5; ++i) {
      std::size_t end = text->find(';', start);
      if (end == std::string::npos) {
        throw std::runtime_error("line " + std::to_string(number) + ": fewer than six fields");
      }
      fields.push_back(Trim(std::string_view(*text).substr(start, end - start)));
      start = end + 1;
    }
    std::string reason = Trim(std::string_view(*text).substr(start));
    if (reason.empty() || fields[0].empty()) {
      throw std::runtime_error("line " + std::to_string(number) + ": no verb or no reason");
    }
    list.push_back({{fields[0], fields[1], fields[2], fields[3], fields[4]}, reason});
  }
  return list;
}

std::string ListLine(const Difference& d) {
  return Cp1252ToUtf8(d.verb + ";" + d.tense + ";" + d.person + ";" + d.ours + ";" + d.generator + ";");
}

}  // namespace parlavo::verbdata

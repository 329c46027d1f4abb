// Small verb data files and item lists for the tests, built in memory.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "verb_list.h"
#include "verb_file.h"
#include "verb_maker.h"

namespace parlavo::testing {

// Joins lines with CR LF after each one.
inline std::string CrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

// Loads a data file and returns its items; `ok` receives the load's result.
inline VerbList Load(std::string_view stored, bool& ok, std::string* error = nullptr) {
  VerbList items;
  TVerbMaker maker;
  ok = maker.LoadVerbBytes(stored, items);
  if (error) *error = maker.LoadStatus().message();
  return items;
}

// The items of one verb given by its block lines (header and tense lines).
inline VerbList ItemsOf(const std::vector<std::string>& block) {
  std::vector<std::string> lines = block;
  lines.push_back("");
  bool ok = false;
  return Load(ComposeVerbFile(CrLf(lines)), ok);
}

inline const TVerb* Find(const VerbList& items, int tense, int person) {
  for (const TVerb& item : items)
    if (item.Tense == tense && item.Person == person) return &item;
  return nullptr;
}

}  // namespace parlavo::testing

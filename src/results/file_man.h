// The results file "Results.txt": one line per correctly answered question.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace parlavo {

class TFileMan {
 public:
  // Create: remembers the name, creates the file when missing and loads it.
  explicit TFileMan(std::string fileName);
  // Destroy: a last Save.
  ~TFileMan();
  TFileMan(const TFileMan&) = delete;
  TFileMan& operator=(const TFileMan&) = delete;

  // All result lines, file order; the question loop appends to it.
  std::vector<std::string> ResultLines;

  void BuildTestedIndex();
  // Whether `form` is the first field of some result line, ignoring case.
  bool IsTested(std::string_view form) const;
};

}  // namespace parlavo

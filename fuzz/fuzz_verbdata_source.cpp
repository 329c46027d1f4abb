// The tool's source reader on arbitrary text: never crashes, and whatever it
// accepts compiles into a file the program loads in full.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "scramble.h"
#include "verb_file.h"
#include "verb_maker.h"
#include "verb_source.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view source(reinterpret_cast<const char*>(data), size);
  std::string body, error;
  if (!parlavo::ReadVerbSource(source, "fuzz.txt", body, error)) {
    if (error.rfind("fuzz.txt:", 0) != 0) std::abort();
    return 0;
  }
  std::size_t headers = 0;
  for (const std::string& line : parlavo::SplitVerbFileLines(parlavo::Scramble(body)).lines)
    headers += parlavo::TVerbMaker::IsVerbHeader(line);
  parlavo::VerbList items;
  parlavo::TVerbMaker maker;
  if (!maker.LoadVerbBytes(parlavo::ComposeVerbFile(body), items)) std::abort();
  if (items.size() != headers * parlavo::kItemsPerVerb) std::abort();
  return 0;
}

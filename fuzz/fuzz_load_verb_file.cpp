// The loader on arbitrary bytes: never crashes, and a file it accepts holds
// whole verbs only.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "scramble.h"
#include "verb_file.h"
#include "verb_maker.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses how the rest is taken: as stored bytes, as plain text
  // to scramble, or as the body of a correctly framed file, so the fuzzer reaches
  // the block parser and the item builder without guessing markers and counts.
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string bytes;
  switch (data[0] % 3) {
    case 0: bytes = rest; break;
    case 1: bytes = parlavo::Scramble(rest); break;
    default: bytes = parlavo::ComposeVerbFile(rest); break;
  }

  parlavo::VerbList items;
  parlavo::TVerbMaker maker;
  const bool ok = maker.LoadVerbBytes(bytes, items);
  if (items.size() % parlavo::kItemsPerVerb != 0) std::abort();
  // A failed load always says why; a good one says nothing.
  if (ok != maker.LoadStatus().ok() || ok != maker.LoadStatus().message().empty()) std::abort();
  for (const parlavo::TVerb& item : items) {
    if (item.Form().empty() || !parlavo::ItemExists(item.Tense, item.Person)) std::abort();
    item.DisplayLine();
  }
  return 0;
}

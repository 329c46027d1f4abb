// The line structure of the verb data file, shared by the loader and the data tool.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace parlavo {

struct VerbFileLines {
  std::vector<std::string> lines;  // unscrambled, in file order
  std::size_t byteCount = 0;       // bytes read, up to the end of the file or a raw 0x1A
};

// Unscrambles the stored bytes and assembles lines the way the loader reads them:
// CR LF ends a line and is dropped, a lone LF ends the line and stays in it, a lone
// CR ends the line one character later and stays in it. A raw 0x1A (as stored)
// ends the file.
VerbFileLines SplitVerbFileLines(std::string_view stored);

// Optional sign and decimal digits, nothing else. False for anything else or a
// value beyond the range of long long.
bool ParseSignedDecimal(std::string_view text, long long& value);

// The count the count line must hold: the bytes before it, given that both closing
// lines end in CR LF.
long long ExpectedCount(const VerbFileLines& file);

// The stored bytes of a data file whose blocks are `body`: plain Windows-1252
// lines, each ended by CR LF, with an empty line after the last block. Adds the
// opening marker, the count line ("#" and the count) and the closing marker, and
// scrambles the lot.
std::string ComposeVerbFile(std::string_view body);

}  // namespace parlavo

// What the program has to tell the learner, as plain data: the core decides what
// to say, the window decides how (a message box, or the log at a quiet end).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace parlavo {

enum class NoticeKind : std::uint8_t { kError, kInformation, kExclamation, kPlain };

// Title and text are UTF-8: they name files and system errors, never verb text.
struct Notice {
  std::string title;
  std::string text;
  NoticeKind kind = NoticeKind::kError;

  bool operator==(const Notice&) const = default;
};

using Notices = std::vector<Notice>;

}  // namespace parlavo

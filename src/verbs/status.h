// The outcome of an operation on a file: ok, or a message for the learner that
// names the file and the reason ("Cannot write 'Results.txt': No space left on
// device"). One type for every such outcome, so a caller never has to know
// whether "" means success or whether an out-parameter was filled.
#pragma once

#include <ostream>
#include <string>
#include <utility>

namespace parlavo {

class [[nodiscard]] Status {
 public:
  Status() = default;  // ok
  static Status Ok() { return Status(); }
  // A failure stays a failure even with an empty message: whether it went well is
  // never read from the text.
  static Status Error(std::string message) { return Status(std::move(message)); }

  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  // "" when ok.
  const std::string& message() const { return message_; }

  bool operator==(const Status&) const = default;

 private:
  explicit Status(std::string message) : failed_(true), message_(std::move(message)) {}

  bool failed_ = false;
  std::string message_;
};

// "ok", or the message: what a failed test assertion shows.
inline std::ostream& operator<<(std::ostream& out, const Status& status) {
  return out << (status.ok() ? std::string("ok") : "error: " + status.message());
}

}  // namespace parlavo

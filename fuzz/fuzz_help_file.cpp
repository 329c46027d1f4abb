// The help file on arbitrary bytes: parsing, every topic's HTML and its links
// never crash, and every topic found by number is the first with that number.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "help_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString contents = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const parlavo::HelpFile file = parlavo::HelpFile::Parse(contents);
  for (const parlavo::HelpTopic& topic : file.Topics()) {
    const parlavo::HelpTopic* found = file.Find(topic.context);
    if (found == nullptr || found->context != topic.context) std::abort();
    (void)file.TopicHtml(topic);
    for (int target : parlavo::HelpFile::LinkTargets(topic))
      if (target < 0) std::abort();
  }
  return 0;
}

#include "verb_exports.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "text.h"

namespace parlavo {

namespace {

constexpr std::string_view kEol = "\r\n";
constexpr std::string_view kStars = "****************************************************************";
constexpr std::string_view kHyphens = "----------------------------------------------";

// Lines collected and handed to the stream in large pieces: an export writes a few
// hundred thousand short lines, and each stream write costs more than the line.
class LineWriter {
 public:
  explicit LineWriter(std::ostream& out) : out_(out) { buffer_.reserve(kChunk + 256); }
  ~LineWriter() { Flush(); }
  void Add(std::string_view text) {
    buffer_ += text;
    buffer_ += kEol;
    if (buffer_.size() >= kChunk) Flush();
  }

 private:
  static constexpr std::size_t kChunk = 64 * 1024;
  void Flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
  }
  std::ostream& out_;
  std::string buffer_;
};

}  // namespace

void WriteAllVerbs(std::ostream& out, const std::vector<std::string>& infinitives, const VerbList& items) {
  LineWriter lines(out);
  // Items grouped by infinitive once, so the listing takes time linear in the items
  // however many verbs there are. A duplicated infinitive collects the items of every copy.
  std::unordered_map<std::string_view, std::vector<const TVerb*>> byInfinitive;
  byInfinitive.reserve(infinitives.size());
  for (const std::string& verb : infinitives) byInfinitive.try_emplace(verb);
  for (const TVerb& item : items) {
    const auto group = byInfinitive.find(item.Infinitive());
    if (group != byInfinitive.end()) group->second.push_back(&item);
  }

  std::string line;
  // A repeated infinitive is listed once: its one block already holds the items of
  // every copy, and repeating the block made the file grow with the square of the copies.
  std::unordered_set<std::string_view> listed;
  for (const std::string& verb : infinitives) {
    if (!listed.insert(verb).second) continue;
    const std::vector<const TVerb*>& group = byInfinitive.find(verb)->second;
    int lastTense = -1;
    for (std::size_t k = 0; k < group.size(); ++k) {
      const TVerb& item = *group[k];
      if (k == 0) {
        lines.Add(kStars);
        line = "*  ";
        line += UpperAZ(verb);
        line += " : ";
        line += item.Translation();
        lines.Add(line);
        lines.Add(kStars);
        lines.Add("");
        lines.Add("");
      }
      if (item.Tense != lastTense) {
        const std::string_view name = item.TenseName();
        lines.Add("");
        lines.Add(name);
        lines.Add(kHyphens.substr(0, name.size()));
        lastTense = item.Tense;
      }
      lines.Add(item.DisplayLine());
    }
    lines.Add("");
    lines.Add("");
    lines.Add("");
  }
}

void WriteSpecialVerbs(std::ostream& out, const VerbList& items) {
  LineWriter lines(out);
  lines.Add(R"("Count","Verb","Translation","Tense","Conjugation","Irregular","Person")");
  std::string line;
  std::size_t n = 0;
  for (const TVerb& item : items) {
    line = std::to_string(++n);
    line += " , \"";
    line += item.Infinitive();
    line += "\",\"";
    line += item.Translation();
    line += "\",\"";
    line += item.TenseName();
    line += "\",\"";
    item.AppendForm(line);
    line += item.Irregular ? "\",\"true\",\"" : "\",\"false\",\"";
    line += item.PersonName();
    line += '"';
    lines.Add(line);
  }
}

}  // namespace parlavo

#include "export_command.h"

#include <string>
#include <vector>

#include "atomic_file.h"
#include "verb_exports.h"
#include "verb_maker.h"

namespace parlavo {

namespace {

// The conjugator's verb list, as the window would have filled it.
class InfinitiveCollector : public LoadObserver {
 public:
  void AddInfinitive(const std::string& infinitive) override { infinitives.push_back(infinitive); }
  std::vector<std::string> infinitives;
};

}  // namespace

int RunExportCommand(ExportKind kind, std::ostream& err, const std::string& verbFile) {
  VerbList items;
  InfinitiveCollector collector;
  TVerbMaker maker;
  if (!maker.LoadVerbFile(verbFile, items, &collector)) {
    // The window's message, then why: a script's user can mend the file.
    err << "No verb datafile found.  Unable to continue\n" << maker.LoadStatus().message() << '\n';
    return 1;
  }
  const bool all = kind == ExportKind::AllVerbs;
  const Status written = WriteFileAtomically(all ? "AllVerbs.txt" : "SpecialVerbs.txt", [&](std::ostream& out) {
    if (all)
      WriteAllVerbs(out, collector.infinitives, items);
    else
      WriteSpecialVerbs(out, items);
  });
  if (!written) {
    err << written.message() << '\n';
    return 2;
  }
  return 0;
}

}  // namespace parlavo

// Everything the program holds while it runs, without a window: the verb items, the
// results and their history, the settings store and its options, the current test
// and the question loop. The window shows it and forwards the learner's events; the
// start-up and the shutdown are steps here, so they are tested without widgets.
// Every step that may fail hands back Notices for the window to show, in order.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "filter.h"
#include "history.h"
#include "local_day.h"
#include "notice.h"
#include "options.h"
#include "question_loop.h"
#include "review.h"
#include "selection.h"
#include "verb_list.h"

namespace parlavo {

class LoadObserver;
class TFileMan;
class THistoryFile;
class TIniManage;
class VerbPrefetch;

// Where the session keeps its files (paths in the system's encoding).
struct SessionFiles {
  std::string results;   // "Results.txt"
  std::string history;   // "History.txt"
  std::string settings;  // "Parlavo.ini"
  std::string verbs;     // "verb.ini"
};

class Session {
 public:
  Session(SessionFiles files, TimeOfDay clock);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // ---- Start-up, in this order ----
  // Reads "Results.txt" and "History.txt" (a damaged or unreadable file is told and
  // kept, never overwritten), starts the run's clock and makes the question loop.
  Notices OpenResults();
  // The keyboard's code page warning, when it is neither 437 nor 850.
  static std::optional<Notice> CodePageNotice(int codePage);
  // Opens "Parlavo.ini" and reads the options from it.
  void ReadSettings();
  // The "Current Filter" kept from an earlier run, if any.
  std::optional<TFilter> KeptCurrentFilter();
  // Starts reading "verb.ini" in the background, as early as the files are known:
  // LoadVerbs then only waits for what is left of it.
  void PrefetchVerbs();
  // Loads "verb.ini"; false (with its notice) when there is no usable file.
  bool LoadVerbs(LoadObserver* observer, Notices& notices);

  // ---- While running ----
  // Counts the answers an update of the loop recorded; true when it recorded any,
  // so the results are to be saved.
  bool CountRecorded(const LoopUpdate& update);
  // Puts the unsaved answers on the disk, then the run's line of "History.txt". A
  // failure is told once until a save succeeds again (a file unreadable since the
  // start was told then). Returns whether the results file holds every answer.
  bool SaveResults(Notices& notices);
  // The options and `currentFilter` written to the settings file now (with the
  // installed presets when the file had lost them).
  void WriteSettings(const TFilter& currentFilter, Notices& notices);
  // "Save": the name checked, the filter stored and then listed. A name refused
  // (empty, unsafe, a duplicate) or a failed write is told in `notices`; false when
  // the name was refused and nothing was written.
  bool SaveFilter(const std::string& name, const TFilter& filter, Notices& notices);
  void DeleteFilter(const std::string& name, Notices& notices);
  TFilter ReadFilter(const std::string& name);
  std::vector<std::string> SavedFilterNames();
  std::vector<std::string> PresetNames();
  // "History.txt" as it was read, with this run's line.
  std::vector<HistoryEntry> HistoryNow() const;

  // ---- Tests ----
  // The items passing `criteria` (untested only when the option says so).
  TestList Select(const TFilter& criteria, const SelectionProgress& progress = {});
  // A review of the learner's own results; `limit` is "Verbs in test".
  TestList Review(ReviewKind kind, int limit);
  // "Practise this verb".
  TestList Practise(const std::string& infinitive);
  // The test being asked: its whole list, before the "Verbs in test" cut.
  TestList& Test() { return test_; }

  // ---- Shutdown ----
  // What CLOSE saves: the results (or the unsaved answers into a file of their own),
  // the run's history line, then the settings with `currentFilter`. Nothing is
  // written after it; a second call does nothing.
  Notices Close(const TFilter& currentFilter);
  bool Closed() const { return closed_; }

  // ---- State ----
  TOptions& Options() { return options_; }
  const TOptions& Options() const { return options_; }
  const VerbList& Verbs() const { return verbs_; }
  bool VerbsLoaded() const { return verbsLoaded_; }
  // Null before OpenResults.
  TFileMan* Results() { return results_.get(); }
  QuestionLoop& Loop() { return *loop_; }
  bool HasLoop() const { return loop_ != nullptr; }

 private:
  void WriteSettingsFile(const TFilter& currentFilter, Notices& notices);
  void SaveHistory(Notices& notices);
  void SaveUnsavedResults(Notices& notices);
  // After a write to the settings file: a failure is told once, until a write
  // succeeds again.
  void CheckSettingsWrite(Notices& notices);

  SessionFiles files_;
  TimeOfDay clock_;
  TOptions options_;
  std::unique_ptr<VerbPrefetch> prefetch_;
  VerbList verbs_;
  bool verbsLoaded_ = false;
  TestList test_;
  std::unique_ptr<TFileMan> results_;
  std::unique_ptr<THistoryFile> history_;
  LocalDateTime runStart_;
  std::size_t answersThisRun_ = 0;
  std::unique_ptr<TIniManage> settings_;
  std::unique_ptr<QuestionLoop> loop_;
  bool settingsWriteFailed_ = false;
  bool closed_ = false;
};

}  // namespace parlavo

#include "session.h"

#include <ctime>
#include <utility>

#include "file_man.h"
#include "filter_name.h"
#include "history_file.h"
#include "ini_manage.h"
#include "item_index.h"
#include "verb_maker.h"
#include "verb_prefetch.h"

namespace parlavo {

namespace {

Notice Error(std::string text) { return {"Error", std::move(text), NoticeKind::kError}; }

std::string AnswerCount(std::size_t count) {
  return count == 1 ? std::string("1 answer") : std::to_string(count) + " answers";
}

}  // namespace

Session::Session(SessionFiles files, TimeOfDay clock) : files_(std::move(files)), clock_(std::move(clock)) {}

Session::~Session() = default;

// ---------------------------------------------------------------- start-up

Notices Session::OpenResults() {
  Notices notices;
  results_ = std::make_unique<TFileMan>(files_.results);
  if (!results_->LoadStatus())
    notices.push_back(Error(results_->LoadStatus().message() +
                            "\n\nThe file is not overwritten. Results of this run are kept and saved as soon "
                            "as the file can be read again."));
  if (!results_->LoadNote().empty()) notices.push_back({"Information", results_->LoadNote(), NoticeKind::kInformation});
  history_ = std::make_unique<THistoryFile>(files_.history);
  runStart_ = LocalNow();
  // Told as information, not as an error: the answers of this run are safe either way.
  if (!history_->LoadStatus())
    notices.push_back({"Information", history_->LoadStatus().message(), NoticeKind::kInformation});
  if (!history_->LoadNote().empty()) notices.push_back({"Information", history_->LoadNote(), NoticeKind::kInformation});
  loop_ = std::make_unique<QuestionLoop>(options_, &results_->ResultLines, clock_);
  return notices;
}

std::optional<Notice> Session::CodePageNotice(int codePage) {
  if (codePage == 437 || codePage == 850) return std::nullopt;
  return Notice{"Error",
                "You must be using an ASCII code 437 or 850 Code Page.  This error is being shown "
                "because the keyboard and language settings are not necessarily compatible.  Please set "
                "the PC in a mode where the language and keyboard are English.",
                NoticeKind::kExclamation};
}

void Session::ReadSettings() {
  settings_ = std::make_unique<TIniManage>(files_.settings);
  settings_->ReadOptions(options_);
}

std::optional<TFilter> Session::KeptCurrentFilter() {
  if (!settings_ || !settings_->HasFilter(kCurrentFilterName)) return std::nullopt;
  return settings_->ReadFilter(kCurrentFilterName);
}

void Session::PrefetchVerbs() {
  if (!prefetch_) prefetch_ = std::make_unique<VerbPrefetch>(files_.verbs);
}

bool Session::LoadVerbs(LoadObserver* observer, Notices& notices) {
  verbs_.clear();
  test_.clear();
  if (prefetch_) {
    verbsLoaded_ = prefetch_->Take(verbs_, observer);
    prefetch_.reset();
  } else {
    TVerbMaker maker;
    verbsLoaded_ = maker.LoadVerbFile(files_.verbs, verbs_, observer);
  }
  if (!verbsLoaded_)
    notices.push_back({"Error", "No verb datafile found.  Unable to continue", NoticeKind::kExclamation});
  return verbsLoaded_;
}

// ---------------------------------------------------------------- running

bool Session::CountRecorded(const LoopUpdate& update) {
  for (const std::string& line : update.recorded)
    if (!line.empty()) ++answersThisRun_;
  for (Step step : update.steps)
    if (step == Step::RecordResult) return true;
  return false;
}

bool Session::SaveResults(Notices& notices) {
  if (!results_ || closed_) return true;
  if (results_->SaveNew()) {
    SaveHistory(notices);
    return true;
  }
  // A file unreadable since start-up was reported then; its saves fail alike.
  const Status& load = results_->LoadStatus();
  const std::string& saveError = results_->SaveStatus().message();
  const bool knownUnreadable = !load && saveError.rfind(load.message(), 0) == 0;
  if (results_->SaveFailedNewly() && !knownUnreadable)
    notices.push_back(Error(saveError + "\n\nYour answers are kept and are saved as soon as the file can be written."));
  return false;
}

void Session::SaveHistory(Notices& notices) {
  if (!history_ || !results_ || answersThisRun_ == 0) return;
  const bool failedBefore = !history_->SaveStatus();
  if (!history_->Save(RunEntry(runStart_, results_->ResultLines, answersThisRun_)) && !failedBefore)
    notices.push_back(Error(history_->SaveStatus().message() +
                            "\n\nYour answers are safe in the results file; only the days they were given may be "
                            "missing from the review."));
}

void Session::SaveUnsavedResults(Notices& notices) {
  const std::vector<std::string> unsaved = results_->UnsavedLines();
  if (unsaved.empty()) return;
  const std::string count = AnswerCount(unsaved.size());
  const std::string& file = results_->FileName();
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  const TFileMan::UnsavedLinesFile written = results_->WriteUnsavedLines(local);
  const std::string& saveError = results_->SaveStatus().message();
  if (written.status) {
    notices.push_back(Error(count + " of this session could not be saved in '" + file + "' (" + saveError +
                            ").\n\nThey have been saved in '" + written.path + "' instead."));
    return;
  }
  notices.push_back(Error(count + " of this session could not be saved in '" + file + "' (" + saveError +
                          "), nor in a file of their own (" + written.status.message() + ").\n\nThey are lost."));
}

void Session::CheckSettingsWrite(Notices& notices) {
  const Status& written = settings_->LastWrite();
  if (written) {
    settingsWriteFailed_ = false;
    return;
  }
  if (settingsWriteFailed_) return;
  settingsWriteFailed_ = true;
  notices.push_back(Error(written.message()));
}

void Session::WriteSettings(const TFilter& currentFilter, Notices& notices) {
  if (!closed_) WriteSettingsFile(currentFilter, notices);
}

void Session::WriteSettingsFile(const TFilter& currentFilter, Notices& notices) {
  if (!settings_) return;
  // A missing settings file started with the installed presets; it gets them back.
  settings_->RestoreInstalledPresets();
  CheckSettingsWrite(notices);
  settings_->WriteFilter(kCurrentFilterName, currentFilter);
  CheckSettingsWrite(notices);
  settings_->WriteOptions(options_);
  CheckSettingsWrite(notices);
}

bool Session::SaveFilter(const std::string& name, const TFilter& filter, Notices& notices) {
  // Trimmed once here: the name compared, stored under and listed is the same text.
  const CheckedFilterName checked = CheckNewFilterName(name, settings_->SavedFilterNames());
  switch (checked.verdict) {
    case FilterNameVerdict::kEmpty:
      notices.push_back({"Error - No Filter Name", "Please enter a name for your new filter", NoticeKind::kPlain});
      return false;
    case FilterNameVerdict::kUnsafeCharacters:
      notices.push_back({std::string(kUnsafeFilterNameTitle), std::string(kUnsafeFilterNameText), NoticeKind::kPlain});
      return false;
    case FilterNameVerdict::kDuplicate:
      notices.push_back({"Duplicate Name Error", "Please enter a unique name for your new filter", NoticeKind::kPlain});
      return false;
    case FilterNameVerdict::kAccepted: break;
  }
  // A name is listed only once its filter is stored.
  if (settings_->WriteFilter(checked.name, filter)) settings_->AppendSavedFilterName(checked.name);
  CheckSettingsWrite(notices);
  return true;
}

void Session::DeleteFilter(const std::string& name, Notices& notices) {
  settings_->DeleteSavedFilterName(name);
  CheckSettingsWrite(notices);
}

TFilter Session::ReadFilter(const std::string& name) { return settings_->ReadFilter(name); }

std::vector<std::string> Session::SavedFilterNames() { return settings_->SavedFilterNames(); }

std::vector<std::string> Session::PresetNames() { return settings_->ReadPresetNames(); }

std::vector<HistoryEntry> Session::HistoryNow() const {
  if (!results_ || !history_) return {};
  return history_->EntriesWith(RunEntry(runStart_, results_->ResultLines, answersThisRun_));
}

// ---------------------------------------------------------------- tests

TestList Session::Select(const TFilter& criteria, const SelectionProgress& progress) {
  return SelectTest(criteria, verbs_, results_.get(), options_.untested, progress);
}

TestList Session::Review(ReviewKind kind, int limit) {
  const std::vector<HistoryEntry> history = HistoryNow();
  ReviewInput input;
  input.resultLines = results_ ? &results_->ResultLines : nullptr;
  input.history = &history;
  input.today = LocalNow().day;
  input.country = options_.country;
  input.limit = limit;
  return BuildReview(kind, ItemIndex(verbs_), input);
}

TestList Session::Practise(const std::string& infinitive) {
  if (!results_) return {};
  return PractiseVerb(infinitive, ItemIndex(verbs_), results_->ResultLines, options_.country);
}

// ---------------------------------------------------------------- shutdown

Notices Session::Close(const TFilter& currentFilter) {
  Notices notices;
  if (closed_) return notices;
  closed_ = true;
  if (results_) {
    if (results_->Close())
      SaveHistory(notices);
    else
      SaveUnsavedResults(notices);
  }
  // The items, the results and the loop stay in memory until the session goes:
  // the window may still show a question while it closes, and nothing is saved
  // after this point.
  WriteSettingsFile(currentFilter, notices);
  return notices;
}

}  // namespace parlavo

// The window's side of the settings file and the results file: options shown in and
// read from their controls, the Advanced page as a filter, the lists of saved
// filters and tests, and what is saved at the end.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <ctime>

#include "advanced_tests_page.h"
#include "file_man.h"
#include "history_file.h"
#include "ini_manage.h"
#include "statistics_page.h"
#include "main_window.h"
#include "tester_page.h"
#include "options_page.h"
#include "page_control.h"
#include "platform.h"
#include "text_codec.h"

namespace parlavo {

namespace {

constexpr const char* kCurrentFilter = "Current Filter";

// Sets the shared busy flag for the life of one copy between options and controls;
// the controls' own click signals find it set and do nothing.
class CopyGuard {
 public:
  explicit CopyGuard(bool& busy) : busy_(busy), owner_(!busy) { busy_ = true; }
  ~CopyGuard() {
    if (owner_) busy_ = false;
  }
  bool Entered() const { return owner_; }

 private:
  bool& busy_;
  bool owner_;
};

}  // namespace

void TfrmVerbTester::CreateResultsManager() {
  FileMan = std::make_unique<TFileMan>(FilePath(platform_.Files().DataFile("Results.txt")));
  if (!FileMan->LoadError().empty())
    platform_.ShowMessage("Error",
                          QString::fromStdString(FileMan->LoadError()) +
                              "\n\nThe file is not overwritten. Results of this run are kept and saved as soon "
                              "as the file can be read again.",
                          MessageIcon::Error);
  if (!FileMan->LoadNote().empty())
    platform_.ShowMessage("Information", QString::fromStdString(FileMan->LoadNote()), MessageIcon::Information);
  History = std::make_unique<THistoryFile>(FilePath(platform_.Files().DataFile("History.txt")));
  RunStart = LocalNow();
  if (!History->LoadMessage().empty())
    platform_.ShowMessage("Information", QString::fromStdString(History->LoadMessage()), MessageIcon::Information);
  // The statistics page reads the manager's lines; it is rebuilt only while the
  // manager exists.
  tsStats->ShowResults(FileMan->ResultLines, FileMan->FileName(), [this] { return HistoryNow(); });
  UpdateToday();
}

void TfrmVerbTester::ReadSettings() {
  IniManage = std::make_unique<TIniManage>(FilePath(platform_.Files().settingsFile));
  IniManage->ReadOptions(Options);
}

void TfrmVerbTester::OptionsToControls() {
  CopyGuard guard(CopyingOptions);
  if (!guard.Entered()) return;
  tsVerb->cbSimple->setCurrentIndex(std::max(0, Options.simplemod));
  tsOptions->Show(Options);
  tsVerb->cbAdvanced->setChecked(Options.adv);
  tsVerb->cbNewOnly->setChecked(Options.untested);
}

void TfrmVerbTester::OptionsFromControls() {
  CopyGuard guard(CopyingOptions);
  if (!guard.Entered()) return;
  Options.simplemod = std::max(0, tsVerb->cbSimple->currentIndex());
  tsOptions->Read(Options);
  Options.adv = tsVerb->cbAdvanced->isChecked();
  Options.untested = tsVerb->cbNewOnly->isChecked();
}

int TfrmVerbTester::CountryFromControls() const { return tsOptions->Country(); }

void TfrmVerbTester::cbExactLClick() {
  OptionsFromControls();
  SettingsChanged();
}

bool TfrmVerbTester::SaveResults() {
  if (!FileMan) return true;
  const bool saved = ReportResultsSave(FileMan->SaveNew());
  if (saved) SaveHistory();
  return saved;
}

void TfrmVerbTester::SaveHistory() {
  if (!History || !FileMan || AnswersThisRun == 0) return;
  const bool failedBefore = !History->SaveError().empty();
  if (!History->Save(RunEntry(RunStart, FileMan->ResultLines, AnswersThisRun)) && !failedBefore)
    Tell("Error",
         QString::fromStdString(History->SaveError()) +
             "\n\nYour answers are safe in the results file; only the days they were given may be "
             "missing from the review.",
         MessageIcon::Error);
}

bool TfrmVerbTester::ReportResultsSave(bool saved) {
  // While answers wait in memory the saver tries often, so they reach the disk as
  // soon as it allows; otherwise it is only a safety net.
  tmSaver->setInterval(saved ? kSaverInterval : kRetryInterval);
  if (saved) return true;
  // A file unreadable since start-up was reported then; its saves fail alike.
  const std::string& loadError = FileMan->LoadError();
  const bool knownUnreadable = !loadError.empty() && FileMan->SaveError().rfind(loadError, 0) == 0;
  if (FileMan->SaveFailedNewly() && !knownUnreadable)
    Tell("Error",
         QString::fromStdString(FileMan->SaveError()) +
             "\n\nYour answers are kept and are saved as soon as the file can be written.",
         MessageIcon::Error);
  return false;
}

void TfrmVerbTester::SaveUnsavedResults() {
  const std::vector<std::string> unsaved = FileMan->UnsavedLines();
  if (unsaved.empty()) return;
  const QString count = unsaved.size() == 1 ? QString("1 answer") : QString("%1 answers").arg(unsaved.size());
  const QString file = QString::fromStdString(FileMan->FileName());
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  std::string error;
  const std::string written = FileMan->WriteUnsavedLines(local, &error);
  if (!written.empty()) {
    Tell("Error",
         QString("%1 of this session could not be saved in '%2' (%3).\n\nThey have been saved in '%4' instead.")
             .arg(count, file, QString::fromStdString(FileMan->SaveError()), QString::fromStdString(written)),
         MessageIcon::Error);
    return;
  }
  Tell("Error",
       QString("%1 of this session could not be saved in '%2' (%3), nor in a file of their own (%4).\n\n"
               "They are lost.")
           .arg(count, file, QString::fromStdString(FileMan->SaveError()), QString::fromStdString(error)),
       MessageIcon::Error);
}

void TfrmVerbTester::Tell(const QString& title, const QString& text, MessageIcon icon) {
  if (quietEnd_) {
    // Nobody is there to press OK at a logout or a signal: the text goes to the log.
    qWarning("%s: %s", qPrintable(title), qPrintable(text));
    return;
  }
  platform_.ShowMessage(title, text, icon);
}

void TfrmVerbTester::CheckSettingsWrite() {
  const std::string& error = IniManage->LastWriteError();
  if (error.empty()) {
    settingsWriteFailed_ = false;
    return;
  }
  if (settingsWriteFailed_) return;
  settingsWriteFailed_ = true;
  Tell("Error", QString::fromStdString(error), MessageIcon::Error);
}

void TfrmVerbTester::cbAdvancedClick() {
  OptionsFromControls();
  SettingsChanged();
  SetAdvancedTabVisible(Options.adv);
  if (Options.adv) tsParlavo->setCurrentIndex(kSelectionPage);
}

AdvancedPage TfrmVerbTester::ReadAdvancedPage() const { return tsSelection->Read(); }

void TfrmVerbTester::WriteAdvancedPage(const AdvancedPage& page) { tsSelection->Show(page); }

void TfrmVerbTester::LoadCurrentFilter() {
  // Without a current filter kept from an earlier run the page starts as "Clear
  // Settings" leaves it, so "Update Verbs" has a choice to work with.
  WriteAdvancedPage(IniManage->HasFilter(kCurrentFilter) ? FilterToControls(IniManage->ReadFilter(kCurrentFilter))
                                                         : ClearedAdvancedPage());
  RefreshFilterLists();
}

void TfrmVerbTester::RefreshFilterLists() {
  tsVerb->cbSimple->clear();
  tsVerb->cbSimple->addItem(kCurrentFilter);
  const std::vector<std::string> saved = IniManage->SavedFilterNames();
  for (const std::string& name : saved) {
    tsVerb->cbSimple->addItem(ToQString(name));
  }
  tsSelection->ShowSavedFilters(saved);
  for (const std::string& name : IniManage->ReadPresetNames()) tsVerb->cbSimple->addItem(ToQString(name));
  AddReviewEntries();
  FirstPresetIndex = static_cast<int>(saved.size()) + 1;
  tsVerb->cbSimple->setCurrentIndex(-1);
}

void TfrmVerbTester::SaveSettingsOnExit() {
  tmSaver->stop();
  tmSettings->stop();
  if (FileMan) {
    if (FileMan->Close())
      SaveHistory();
    else
      SaveUnsavedResults();
  }
  FileMan.reset();
  History.reset();
  TestItems.clear();
  VerbItems.clear();
  if (IniManage) {
    WriteSettingsNow();
    IniManage.reset();
  }
}

void TfrmVerbTester::SettingsChanged() {
  if (StartingUp || !IniManage || destroyed_) return;
  tmSettings->start();
}

void TfrmVerbTester::WriteSettingsNow() {
  tmSettings->stop();
  if (!IniManage) return;
  // A missing settings file started with the installed presets; it gets them back.
  IniManage->RestoreInstalledPresets();
  CheckSettingsWrite();
  IniManage->WriteFilter(kCurrentFilter, FilterFromControls(ReadAdvancedPage()));
  CheckSettingsWrite();
  OptionsFromControls();
  IniManage->WriteOptions(Options);
  CheckSettingsWrite();
}

void TfrmVerbTester::EndQuietly() {
  quietEnd_ = true;
  // Nothing may be recorded after the results are closed: the pause ends here and
  // the window takes no more input.
  tm500->stop();
  setEnabled(false);
  FormDestroy();
}

void TfrmVerbTester::SaveQuietly() {
  const bool wasQuiet = quietEnd_;
  quietEnd_ = true;
  SaveResults();
  WriteSettingsNow();
  quietEnd_ = wasQuiet;
}

void TfrmVerbTester::WireOptionsAndFilters() {
  connect(tsOptions, &OptionsPage::optionClicked, this, &TfrmVerbTester::cbExactLClick);
  connect(tsVerb->cbNewOnly, &QAbstractButton::clicked, this, &TfrmVerbTester::cbExactLClick);
  connect(tsVerb->cbAdvanced, &QAbstractButton::clicked, this, &TfrmVerbTester::cbAdvancedClick);
  connect(tmSaver, &QTimer::timeout, this, &TfrmVerbTester::SaveResults);
  // The options and the Advanced page reach the settings file soon after they
  // change, a burst of changes in one write, so a crash keeps the learner's choices.
  connect(tmSettings, &QTimer::timeout, this, &TfrmVerbTester::WriteSettingsNow);
  connect(tsOptions, &OptionsPage::pauseTimeEdited, this, &TfrmVerbTester::SettingsChanged);
  connect(tsVerb->cbSimple, &QComboBox::activated, this, &TfrmVerbTester::SettingsChanged);
  connect(tsSelection, &AdvancedTestsPage::edited, this, &TfrmVerbTester::SettingsChanged);
}

}  // namespace parlavo

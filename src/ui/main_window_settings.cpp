// The window's side of the settings and the results: the options shown in and read
// from their controls, the Advanced page kept as "Current Filter", the saved filters,
// and when the session writes its files.
#include <QTimer>
#include <utility>

#include "advanced_tests_page.h"
#include "main_window.h"
#include "options_page.h"
#include "page_control.h"
#include "platform.h"
#include "question_loop.h"
#include "session.h"
#include "tester_page.h"
#include "text_codec.h"

namespace parlavo {

void TfrmVerbTester::WireSettings() {
  connect(tsOptions, &OptionsPage::optionClicked, this, &TfrmVerbTester::OptionClicked);
  connect(tsVerb, &TesterPage::newOnlyClicked, this, &TfrmVerbTester::OptionClicked);
  connect(tsVerb, &TesterPage::advancedClicked, this, &TfrmVerbTester::AdvancedClicked);
  connect(tmSaver, &QTimer::timeout, this, &TfrmVerbTester::SaveResults);
  // The options and the Advanced page reach the settings file soon after they
  // change, a burst of changes in one write, so a crash keeps the learner's choices.
  connect(tmSettings, &QTimer::timeout, this, &TfrmVerbTester::WriteSettingsNow);
  connect(tsOptions, &OptionsPage::pauseTimeEdited, this, &TfrmVerbTester::SettingsChanged);
  connect(tsVerb, &TesterPage::testChosen, this, &TfrmVerbTester::SettingsChanged);
  connect(tsSelection, &AdvancedTestsPage::edited, this, &TfrmVerbTester::SettingsChanged);
  connect(tsSelection, &AdvancedTestsPage::saveClicked, this, &TfrmVerbTester::SaveFilterClicked);
  connect(tsSelection, &AdvancedTestsPage::deleteRequested, this, [this](const std::string& name) {
    Notices notices;
    session_->DeleteFilter(name, notices);
    Tell(notices);
    RefreshFilterLists();
  });
  connect(tsSelection, &AdvancedTestsPage::savedFilterClicked, this,
          [this](const std::string& name) { tsSelection->Show(FilterToControls(session_->ReadFilter(name))); });
  // The seven option check boxes re-check the answer at once, so a changed colour
  // option shows.
  connect(tsOptions, &OptionsPage::answerCheckChanged, this,
          [this] { ApplyUpdate(session_->Loop().OptionsChanged()); });
}

// CopyingOptions is set while one copy runs: the controls' own click signals find
// it set and do nothing.
void TfrmVerbTester::OptionsToControls() {
  if (std::exchange(CopyingOptions, true)) return;
  const TOptions& options = session_->Options();
  tsVerb->ChooseTest(std::max(0, options.simplemod));
  tsOptions->Show(options);
  tsVerb->ShowChecks(options.adv, options.untested);
  CopyingOptions = false;
}

void TfrmVerbTester::OptionsFromControls() {
  if (std::exchange(CopyingOptions, true)) return;
  TOptions& options = session_->Options();
  options.simplemod = std::max(0, tsVerb->ChosenTest());
  tsOptions->Read(options);
  options.adv = tsVerb->AdvancedChecked();
  options.untested = tsVerb->NewOnlyChecked();
  CopyingOptions = false;
}

void TfrmVerbTester::OptionClicked() {
  OptionsFromControls();
  SettingsChanged();
}

void TfrmVerbTester::AdvancedClicked() {
  OptionClicked();
  SetAdvancedTabVisible(session_->Options().adv);
  if (session_->Options().adv) tsParlavo->setCurrentIndex(kSelectionPage);
}

void TfrmVerbTester::SetAdvancedTabVisible(bool visible) { tsParlavo->setPageTabVisible(kSelectionPage, visible); }

void TfrmVerbTester::SettingsChanged() {
  if (StartingUp || session_->Closed()) return;
  tmSettings->start();
}

void TfrmVerbTester::WriteSettingsNow() {
  tmSettings->stop();
  OptionsFromControls();
  Notices notices;
  session_->WriteSettings(CurrentFilter(), notices);
  Tell(notices);
}

TFilter TfrmVerbTester::CurrentFilter() const { return FilterFromControls(tsSelection->Read()); }

void TfrmVerbTester::LoadCurrentFilter() {
  // Without a current filter kept from an earlier run the page starts as "Clear
  // Settings" leaves it, so "Update Verbs" has a choice to work with.
  const std::optional<TFilter> kept = session_->KeptCurrentFilter();
  tsSelection->Show(kept ? FilterToControls(*kept) : ClearedAdvancedPage());
  RefreshFilterLists();
}

void TfrmVerbTester::RefreshFilterLists() {
  const std::vector<std::string> saved = session_->SavedFilterNames();
  const std::vector<std::string> presets = session_->PresetNames();
  // The review tests go after the presets, so that a kept "simplemod" keeps naming
  // the test it named before they existed.
  tsVerb->ShowTests(saved, presets, {kReviewCaptions.begin(), kReviewCaptions.end()});
  tsSelection->ShowSavedFilters(saved);
  FirstPresetIndex = static_cast<int>(saved.size()) + 1;
  FirstReviewIndex = FirstPresetIndex + static_cast<int>(presets.size());
}

void TfrmVerbTester::SaveFilterClicked() {
  Notices notices;
  const bool written = session_->SaveFilter(tsSelection->NewFilterName(), CurrentFilter(), notices);
  Tell(notices);
  if (written) RefreshFilterLists();
}

bool TfrmVerbTester::SaveResults() {
  Notices notices;
  const bool saved = session_->SaveResults(notices);
  // While answers wait in memory the saver tries often, so they reach the disk as
  // soon as it allows; otherwise it is only a safety net.
  tmSaver->setInterval(saved ? kSaverInterval : kRetryInterval);
  Tell(notices);
  return saved;
}

}  // namespace parlavo

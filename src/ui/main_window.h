// The program's one window: the navigation strip, the page stack and the place where
// the pages and the session meet. What the program holds and decides is the
// session's; the pages lay out and show; this class wires them and carries out what
// only a window can (timers, beeps, message boxes, focus).
#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "session.h"

class QTimer;

namespace parlavo {

class AdvancedTestsPage;
class CaptionButtons;
class ConjugatorPage;
class HelpPage;
class NavigationStrip;
class OptionsPage;
class Platform;
class RegularEndingsPage;
class StatisticsPage;
class TesterPage;
class TfrmLoading;
class TPageControl;
struct LoopUpdate;
struct TFilter;

class TfrmVerbTester : public QWidget {
  Q_OBJECT
 public:
  // Builds the window and runs the start-up. `platform` must outlive the window.
  explicit TfrmVerbTester(Platform& platform, QWidget* parent = nullptr);
  // The shutdown of CLOSE, unless EndQuietly ran it.
  ~TfrmVerbTester() override;

  // Page indexes of tsParlavo.
  enum Page { kVerbPage, kConjugationPage, kSelectionPage, kOptionsPage, kHelpPage, kConjugatorPage, kStatsPage };

  parlavo::Session& Session() { return *session_; }

  // The page the navigation strip shows as current.
  int ShownPage() const;
  // The strip follows the page stack (after a change made in code).
  void UpdateNavigationButtons();
  // Ctrl+Shift+S and the tester's "Statistics" button: the statistics page, rebuilt,
  // reached as a keyboard page change is, so the question clock pauses.
  void ShowStatistics();

  // The shutdown of CLOSE for a logout or a signal: everything saved, and what the
  // learner would be told goes to the log instead of a message box nobody answers.
  void EndQuietly();
  // Results and settings saved now, with no message box (the session manager asks
  // before a logout); the program runs on.
  void SaveQuietly();

  // ---- Start-up state ----
  bool StartingUp = false;
  bool CloseAtShow = false;  // no verbs: the window closes as soon as it shows
  int FirstPresetIndex = 0;  // positions of the MULTI test list
  int FirstReviewIndex = 0;
  bool CopyingOptions = false;  // re-entry guard of the copy between options and controls

  static constexpr int kSaverInterval = 50000;  // ms; every answer is saved at once anyway
  static constexpr int kRetryInterval = 2000;   // ms, while answers wait for the disk

 signals:
  // The window was closed: the program ends even while other windows (help) are open.
  void Closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildWindow();
  void Wire();
  void WireTester();
  void WireSettings();
  void StartUp();
  void Shutdown();

  // ---- Navigation and the question clock ----
  void PageChangedByUser();
  void FrmActivate();
  void FrmDeactivate();

  // ---- Options, settings and results (main_window_settings.cpp) ----
  void OptionsToControls();
  void OptionsFromControls();
  void OptionClicked();    // any option check box or radio button
  void AdvancedClicked();  // "Display advanced tab"
  void SetAdvancedTabVisible(bool visible);
  // An option or the Advanced page changed: the settings are written shortly, a
  // burst of changes coalesced into one write.
  void SettingsChanged();
  void WriteSettingsNow();
  TFilter CurrentFilter() const;  // the Advanced page as the filter kept with the settings
  void LoadCurrentFilter();       // "Current Filter" on the Advanced page, lists rebuilt
  void RefreshFilterLists();      // the MULTI test list and the saved filters
  void SaveFilterClicked();       // "Save"
  // Puts the answers not yet saved on the disk (after every recorded answer, and by
  // tmSaver); while they wait for the disk the saver tries again every few seconds.
  bool SaveResults();
  // A message to the learner, or to the log while ending quietly.
  void Tell(const Notices& notices);

  // ---- Tests and the question loop (main_window_tests.cpp) ----
  void ApplyPreset();  // builds the test chosen in the MULTI list
  void SelectTest(const TFilter& criteria);
  bool ApplyReview(int position);  // builds it when `position` is a review entry
  void PractiseVerb(const std::string& infinitive);
  // A test of exactly `items` (the "Verbs in test" limit applies), shown as a
  // selection is; `title` replaces the usual count when given.
  void StartTestOf(TestList items, bool shuffle, const std::string& title);
  void FillQuestionList(bool shuffle);
  void Randomise();
  void ApplyUpdate(const LoopUpdate& update);  // beeps, the pause timer, the save, then the view
  void ShowQuestionView();
  void ShowTestSummary();  // the test is done
  void UpdateToday();
  // The progress window of a test build, or null while starting up.
  std::unique_ptr<TfrmLoading> OpenProgress(const QString& title, int maximum, bool counterText);

  Platform& platform_;
  std::unique_ptr<parlavo::Session> session_;

  NavigationStrip* strip_ = nullptr;
  CaptionButtons* captionButtons_ = nullptr;
  TPageControl* tsParlavo = nullptr;
  TesterPage* tsVerb = nullptr;
  RegularEndingsPage* tsConjugation = nullptr;
  AdvancedTestsPage* tsSelection = nullptr;
  OptionsPage* tsOptions = nullptr;
  HelpPage* TabSheet2 = nullptr;
  ConjugatorPage* tsCommonVerbs = nullptr;
  StatisticsPage* tsStats = nullptr;
  QTimer* tm500 = nullptr;       // the pause after a right answer
  QTimer* tmSaver = nullptr;     // the safety net of the results' saves
  QTimer* tmSettings = nullptr;  // coalesces settings changes into one write

  bool centred_ = false;
  QWidget* loadedSplash_ = nullptr;  // the splash of a good load, freed once the window shows
  bool quietEnd_ = false;            // ending at a logout or a signal: no message boxes
};

}  // namespace parlavo

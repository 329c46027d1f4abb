// The program's one window: a navigation strip on the left, a page area on the right,
// and the whole start-up and shutdown of the program.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "advanced_page.h"
#include "filter.h"
#include "history.h"
#include "local_day.h"
#include "options.h"
#include "platform.h"
#include "selection.h"
#include "verb_list.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QShortcut;
class QTabWidget;
class QTableWidget;
class QTextEdit;
class QTimer;

namespace parlavo {

class AdvancedTestsPage;
class ClickableLabel;
class ConjugatorPage;
class RegularEndingsPage;
class StatisticsPage;
class TesterPage;
class HelpPage;
class OptionsPage;
class QuestionLoop;
struct LoopUpdate;
class Platform;
class TFileMan;
class THistoryFile;
class TIniManage;
class TfrmLoading;
class TfrmLoadingSplash;
class TNewIntEdit;
class TNewRealEdit;
class TPageControl;
class TodayLine;

class TfrmVerbTester : public QWidget {
  Q_OBJECT
 public:
  // Builds the window and runs the start-up. `platform` must outlive the window.
  explicit TfrmVerbTester(Platform& platform, QWidget* parent = nullptr);
  ~TfrmVerbTester() override;

  // Page indexes of tsParlavo.
  enum Page { kVerbPage, kConjugationPage, kSelectionPage, kOptionsPage, kHelpPage, kConjugatorPage, kStatsPage };

  // ---- Start-up and shutdown ----
  void FormCreate();
  void StartUp();
  void FormShow();
  void FormDestroy();

  // ---- Navigation and the question clock ----
  void imgVTutorClick(ClickableLabel* sender);
  void UpdateNavigationButtons();
  void tsParlavoChange();
  void FrmActivate();
  void FrmDeactivate();
  void Image17Click();  // the minimise image
  void Image18Click();  // the close image
  void Button71Click();  // "CLOSE" in the navigation strip
  void Label7Click();   // "www.parlavo.app" on the help page
  // Ctrl+Shift+S and the tester's "Statistics" button: the statistics page, rebuilt,
  // reached as a keyboard page change is, so the question clock pauses.
  void ShowStatistics();
  // The upper (grey) image of a page's navigation pair; null for pages without one.
  ClickableLabel* UpperNavigationImage(int page) const;

  // ---- Options and saved filters ----
  void OptionsToControls();      // the options shown in their controls
  void OptionsFromControls();    // the controls copied into the options record
  void cbExactLClick();          // any option check box or radio button
  void cbAdvancedClick();
  // Puts the answers not yet saved on the disk (after every recorded answer, and by
  // tmSaver); a failure is reported once until a save succeeds again, and the
  // answers stay in memory and are tried again every few seconds.
  bool SaveResults();
  // Shows a failed save once, until a save succeeds again; returns `saved`.
  bool ReportResultsSave(bool saved);
  // After the results reached the disk: the run's line of "History.txt".
  void SaveHistory();
  // An option or the Advanced page changed: the settings are written shortly, a
  // burst of changes coalesced into one write.
  void SettingsChanged();
  // "Current Filter" and the options written to the settings file now.
  void WriteSettingsNow();
  // The shutdown of CLOSE for a logout or a signal: everything saved, and what the
  // learner would be told goes to the log instead of a message box nobody answers.
  void EndQuietly();
  // Results and settings saved now, with no message box (the session manager asks
  // before a logout); the program runs on.
  void SaveQuietly();
  void LoadCurrentFilter();      // "Current Filter" on the Advanced page, lists rebuilt
  void RefreshFilterLists();     // cbSimple and lbSettings from the settings file
  AdvancedPage ReadAdvancedPage() const;
  void WriteAdvancedPage(const AdvancedPage& page);
  int CountryFromControls() const;  // the Options page's country

  // ---- Test selection ----
  void ApplyPreset();            // builds the test selected in cbSimple
  void SelectTest(const TFilter& criteria);
  void FillQuestionList(bool shuffle);
  // A test of exactly `items` (the "Verbs in test" limit applies), shown as a
  // selection is; `title` replaces the usual count when given.
  void StartTestOf(TestList items, bool shuffle, const std::string& title);

  // ---- Learning from the results (main_window_practice.cpp) ----
  void AddReviewEntries();             // the review tests after the presets in cbSimple
  bool ApplyReview(int position);      // builds it when `position` is a review entry
  void PractiseVerb(const std::string& infinitive);
  void ShowTestSummary();              // the test is done
  void UpdateToday();                  // lbToday from the results
  std::vector<HistoryEntry> HistoryNow() const;  // "History.txt" with this run's line
  int FirstReviewIndex = 0;

  // ---- The question loop and the test buttons ----
  void ApplyUpdate(const LoopUpdate& update);  // beeps, the pause timer, then the view
  void ShowQuestionView();
  void reVerbChange();
  void Button8Click(const std::string& accent);  // one of the accent buttons "á" ... "ü"
  void Button14Click();  // "GO" beside the MULTI test list
  void bnUpdateVerbsClick();
  void Button15Click(const std::string& verb, int tensePosition);  // a SINGLE verb test button
  void Button4Click();   // "Randomise"
  void bnSaveClick();
  void bnDeleteClick(const std::string& name);
  void lbSettingsClick(const std::string& name);

  // ---- Exports ----
  void bnVerbToFileClick();
  void bnSpecialOutputClick();

  // ---- Start-up state ----
  int ShownPage = -99;
  bool StartingUp = false;
  bool CloseAtShow = false;
  int FirstPresetIndex = 0;
  bool CopyingOptions = false;  // re-entry guard of the copy between options and controls
  // The question being asked, its score and its clock.
  std::unique_ptr<QuestionLoop> Loop;
  VerbList VerbItems;
  TestList TestItems;
  bool VerbsLoaded = false;
  TOptions Options;
  std::unique_ptr<TFileMan> FileMan;
  // "History.txt": when this run started and how many answers it recorded, so every
  // result line has a day.
  std::unique_ptr<THistoryFile> History;
  LocalDateTime RunStart;
  std::size_t AnswersThisRun = 0;
  std::unique_ptr<TIniManage> IniManage;

  QShortcut* scStatistics = nullptr;  // Ctrl+Shift+S
  QTimer* tm500 = nullptr;
  QTimer* tmSaver = nullptr;
  QTimer* tmSettings = nullptr;  // coalesces settings changes into one write
  static constexpr int kSaverInterval = 50000;  // ms; every answer is saved at once anyway
  static constexpr int kRetryInterval = 2000;   // ms, while answers wait for the disk
  TfrmLoadingSplash* Splash = nullptr;

  // ---- Window regions ----
  QFrame* Panel1 = nullptr;
  QLabel* imgLogo = nullptr;
  ClickableLabel *imgVTutor = nullptr, *imgvtestP = nullptr, *imgAdv = nullptr, *imgadvP = nullptr,
                 *imgReg = nullptr, *Image13 = nullptr, *imgconj = nullptr, *Image14 = nullptr,
                 *imgOpt = nullptr, *Image15 = nullptr, *imgHelp = nullptr, *Image16 = nullptr,
                 *Image7 = nullptr;
  QFrame* Panel2 = nullptr;
  ClickableLabel *Image17 = nullptr, *Image18 = nullptr;
  TPageControl* tsParlavo = nullptr;


 signals:
  // The window was closed: the program ends even while other windows (help) are open.
  void Closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Layout, one page at a time.
  void BuildWindow();
  // The answer box takes the keyboard back after a click elsewhere on the tester.
  void FocusAnswerBox();
  void BuildNavigation();
  // Adds `page` to the page stack under its header band and title.
  QWidget* AddPage(QWidget* page, const char* name, const QString& caption, const QString& title, bool whiteGround);
  void BuildSelectionPage();
  void WireHandlers();

  // Start-up steps carried out by the settings, results, testing and conjugation
  // pieces of the program.
  void CreateResultsManager();   // the results file "Results.txt"
  void ReadSettings();           // settings store on ProgramFolder + "Parlavo.ini", options read
  void SelectSavedTest();        // cbSimple at the test index kept in the options
  void SaveSettingsOnExit();     // results, verb items, current filter and options saved
  void WireOptionsAndFilters();
  void WireTester();
  void CreateQuestionLoop();
  bool reVerbEvent(QEvent* event);
  bool lbVerbsEvent(QEvent* event);
  // The progress window of a test build, or null while starting up.
  std::unique_ptr<TfrmLoading> OpenProgress(const QString& title, int maximum, bool counterText);
  void PrepareAnswerBox();
  void SetAdvancedTabVisible(bool visible);
  // After a write to the settings file: its failure is reported once, until a write
  // succeeds again.
  void CheckSettingsWrite();
  // At the end, answers that could not reach the results file go to a file of their
  // own beside it; the learner is told its name, or that they are lost.
  void SaveUnsavedResults();
  // A message to the learner, or to the log while ending quietly.
  void Tell(const QString& title, const QString& text, MessageIcon icon);
  void ExportToFile(const char* fileName, const std::function<void(std::ostream&)>& writer);

  TesterPage* tsVerb = nullptr;
  RegularEndingsPage* tsConjugation = nullptr;
  AdvancedTestsPage* tsSelection = nullptr;
  OptionsPage* tsOptions = nullptr;
  HelpPage* TabSheet2 = nullptr;
  ConjugatorPage* tsCommonVerbs = nullptr;
  StatisticsPage* tsStats = nullptr;

  Platform& platform_;
  bool centred_ = false;
  bool destroyed_ = false;
  bool updatingControls_ = false;  // the window writes its controls: no events forwarded
  bool settingsWriteFailed_ = false;  // the failure of the last write is already reported
  bool quietEnd_ = false;  // ending at a logout or a signal: no message boxes
  QWidget* dragSource_ = nullptr;
  QPoint dragOffset_;
};

}  // namespace parlavo

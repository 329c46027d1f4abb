#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <clocale>
#include <utility>

#include "advanced_tests_page.h"
#include "clickable_label.h"
#include "conjugator_page.h"
#include "data_export.h"
#include "file_man.h"
#include "fonts.h"
#include "help_page.h"
#include "loading_splash.h"
#include "options_page.h"
#include "page_control.h"
#include "platform.h"
#include "place.h"
#include "regular_endings_page.h"
#include "round_half_even.h"
#include "session.h"
#include "statistics_page.h"
#include "tester_page.h"
#include "text_codec.h"
#include "verb_exports.h"
#include "window_frame.h"

namespace parlavo {

namespace {

constexpr const char* kWebAddress = "https://www.parlavo.app/";

SessionFiles FilesOf(Platform& platform) {
  const FileLocations& files = platform.Files();
  return {FilePath(files.DataFile("Results.txt")), FilePath(files.DataFile("History.txt")),
          FilePath(files.settingsFile), FilePath(files.verbFile)};
}

QTimer* MakeTimer(QObject* owner, const char* name, int interval, bool singleShot) {
  auto* timer = new QTimer(owner);
  timer->setObjectName(name);
  timer->setInterval(interval);
  timer->setSingleShot(singleShot);
  return timer;
}

}  // namespace

TfrmVerbTester::TfrmVerbTester(Platform& platform, QWidget* parent)
    : QWidget(parent),
      platform_(platform),
      session_(std::make_unique<parlavo::Session>(FilesOf(platform), [&platform] { return platform.TimeOfDay(); })) {
  // The verbs load on another core while the pages are built; the splash still
  // shows the load where it always did.
  session_->PrefetchVerbs();
  BuildWindow();
  Wire();
  StartUp();
}

TfrmVerbTester::~TfrmVerbTester() {
  Shutdown();
  // The session goes before the widgets do, and a shown window hides (and moves the
  // focus) while QWidget takes it down: nothing said then may reach the session.
  for (QObject* sender : findChildren<QObject*>()) sender->disconnect(this);
  qApp->disconnect(this);
}

void TfrmVerbTester::BuildWindow() {
  setObjectName("frmVerbTester");
  setWindowTitle("Parlavo - Verb Tutor");
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(630, 378);
  setFont(PixelFont("MS Sans Serif", 11));
  setAutoFillBackground(true);
  QPalette silver = palette();
  silver.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
  setPalette(silver);

  auto* drag = new WindowDrag(this);
  PLACE(tsParlavo, TPageControl, this, 78, 0, 554, 378);
  AddPage(tsParlavo, tsVerb = new TesterPage, "tsVerb", "VERB TESTER", "Verb Tester", false, drag);
  AddPage(tsParlavo, tsConjugation = new RegularEndingsPage, "tsConjugation", "Conjugations", "Regular Conjugations",
          false, drag);
  AddPage(tsParlavo, tsSelection = new AdvancedTestsPage, "tsSelection", "Advanced", "Advanced Tests", true, drag);
  AddPage(tsParlavo, tsOptions = new OptionsPage, "tsOptions", "Options", "Options", true, drag);
  AddPage(tsParlavo, TabSheet2 = new HelpPage, "TabSheet2", "HELP", "Help", true, drag);
  AddPage(tsParlavo, tsCommonVerbs = new ConjugatorPage(session_->Verbs()), "tsCommonVerbs", "Verb Conjugator",
          "Conjugator", false, drag);
  AddPage(tsParlavo, tsStats = new StatisticsPage, "tsStats", "Statistics", QString(), false, drag);
  tsParlavo->setPageTabVisible(kStatsPage, false);
  tsParlavo->setCurrentIndex(kVerbPage);

  static constexpr NavigationStrip::Button kButtons[] = {
      {"imgVTutor", "imgvtestP", "vtester", 48, kVerbPage},
      {"imgAdv", "imgadvP", "advanced", 88, kSelectionPage},
      {"imgReg", "Image13", "regular", 144, kConjugationPage},
      {"imgconj", "Image14", "conjugator", 184, kConjugatorPage},
      {"imgOpt", "Image15", "options", 256, kOptionsPage},
      {"imgHelp", "Image16", "help", 296, kHelpPage},
  };
  strip_ = new NavigationStrip(this, kButtons);
  strip_->installEventFilter(drag);
  captionButtons_ = new CaptionButtons(this);
  (new WindowBorder(this))->raise();  // above every region

  tm500 = MakeTimer(this, "tm500", 500, true);
  tmSaver = MakeTimer(this, "tmSaver", kSaverInterval, false);
  tmSettings = MakeTimer(this, "tmSettings", 300, true);
}

void TfrmVerbTester::Wire() {
  connect(strip_, &NavigationStrip::pageClicked, this, [this](int page) {
    tsParlavo->setCurrentIndex(page);
    UpdateNavigationButtons();
  });
  connect(strip_, &NavigationStrip::closeClicked, this, &QWidget::close);
  connect(captionButtons_, &CaptionButtons::minimiseClicked, this, &QWidget::showMinimized);
  connect(captionButtons_, &CaptionButtons::closeClicked, this, &QWidget::close);
  connect(TabSheet2, &HelpPage::webPageRequested, this, [this] { platform_.OpenWebPage(kWebAddress); });
  connect(TabSheet2, &HelpPage::topicRequested, this, [this](int context) { platform_.ShowHelp(context); });
  connect(tsParlavo, &TPageControl::pageChangedByUser, this, &TfrmVerbTester::PageChangedByUser);
  auto* statistics = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this);
  statistics->setObjectName("scStatistics");
  statistics->setContext(Qt::WindowShortcut);
  connect(statistics, &QShortcut::activated, this, &TfrmVerbTester::ShowStatistics);
  connect(tsVerb, &TesterPage::statisticsClicked, this, &TfrmVerbTester::ShowStatistics);
  const auto showError = [this](const QString& text) { Tell({{"Error", text.toStdString(), NoticeKind::kError}}); };
  connect(tsStats, &StatisticsPage::errorFound, this, showError);
  connect(tsOptions, &OptionsPage::inputError, this, showError);
  connect(tsStats, &StatisticsPage::practiseVerbRequested, this, &TfrmVerbTester::PractiseVerb);
  connect(tsOptions, &OptionsPage::exportAllClicked, this, [this] {
    const std::vector<std::string> infinitives = tsCommonVerbs->Infinitives();
    ExportToDataFolder(platform_, "AllVerbs.txt",
                       [&](std::ostream& out) { WriteAllVerbs(out, infinitives, session_->Verbs()); });
  });
  connect(tsOptions, &OptionsPage::exportSpecialClicked, this, [this] {
    ExportToDataFolder(platform_, "SpecialVerbs.txt",
                       [&](std::ostream& out) { WriteSpecialVerbs(out, session_->Verbs()); });
  });
  WireSettings();
  WireTester();
}

// ---------------------------------------------------------------- start-up and shutdown

void TfrmVerbTester::StartUp() {
  UpdateNavigationButtons();
  Tell(session_->OpenResults());
  // The statistics page reads the results' lines; they live as long as the session.
  tsStats->ShowResults(session_->Results()->ResultLines, session_->Results()->FileName(),
                       [this] { return session_->HistoryNow(); });
  UpdateToday();
  // Real numbers in the settings file use a point whatever the user's locale.
  std::setlocale(LC_NUMERIC, "C");
  QLocale::setDefault(QLocale::c());
  if (const std::optional<Notice> notice = parlavo::Session::CodePageNotice(platform_.OemCodePage())) Tell({*notice});

  StartingUp = true;
  session_->ReadSettings();
  OptionsToControls();
  LoadCurrentFilter();
  tsSelection->TickAllVerbTypes();

  // Up while the verbs load; after a failed load it stays until the window goes.
  auto* splash = new TfrmLoadingSplash(this);
  // The conjugator's box takes its verbs in one go once the load ends: one entry at a
  // time would update its list a thousand times while nothing shows it.
  QStringList infinitives;
  splash->OnInfinitive = [&infinitives](const std::string& infinitive) { infinitives.append(ToQString(infinitive)); };
  SetAdvancedTabVisible(tsVerb->AdvancedChecked());
  Notices notices;
  const bool loaded = session_->LoadVerbs(splash, notices);
  splash->OnInfinitive = nullptr;
  tsCommonVerbs->SetInfinitives(infinitives);
  if (loaded) {
    splash->LoadPosition *= 2;
    tsParlavo->setCurrentWidget(tsVerb);
    tsVerb->ClearAnswer();
    splash->LoadPosition = RoundHalfEven(splash->LoadPosition * 1.33);
    tsVerb->ChooseTest(session_->Options().simplemod);
    ApplyPreset();
    splash->LoadPosition = splash->FinalPosition;
    // The splash goes once the window is up: taking it down here would hold up the
    // window by the few milliseconds its unmapping takes.
    loadedSplash_ = splash;
  } else {
    Tell(notices);
    CloseAtShow = true;
  }
  StartingUp = false;

  // The regular endings are written when their page is first shown: nothing shows
  // them before.
  if (tsParlavo->currentIndex() == kConjugationPage)
    tsConjugation->WriteTables();
  else
    connect(tsParlavo, &QTabWidget::currentChanged, this, [this](int page) {
      if (page == kConjugationPage) tsConjugation->WriteTables();
    });
  tsVerb->ShowStartTab();
  session_->Loop().Activate(true);  // the clock starts now
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state == Qt::ApplicationActive)
      FrmActivate();
    else
      FrmDeactivate();
  });
  tmSaver->start();
}

void TfrmVerbTester::Shutdown() {
  if (session_->Closed()) return;
  tmSaver->stop();
  tmSettings->stop();
  OptionsFromControls();
  Tell(session_->Close(CurrentFilter()));
}

void TfrmVerbTester::EndQuietly() {
  quietEnd_ = true;
  // Nothing may be recorded after the results are closed: the pause ends here and
  // the window takes no more input.
  tm500->stop();
  setEnabled(false);
  Shutdown();
}

void TfrmVerbTester::SaveQuietly() {
  const bool wasQuiet = quietEnd_;
  quietEnd_ = true;
  SaveResults();
  WriteSettingsNow();
  quietEnd_ = wasQuiet;
}

void TfrmVerbTester::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!centred_) {
    centred_ = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      move(screen->availableGeometry().center() - rect().center());
  }
  if (QWidget* splash = std::exchange(loadedSplash_, nullptr)) {
    // From the event loop: a deleteLater from within this first show, before the
    // loop runs, would wait for a loop that never ends.
    QTimer::singleShot(0, splash, [splash] { delete splash; });
  }
  if (CloseAtShow) {
    // Closing from inside the show would leave the platform half-way; close right after.
    QTimer::singleShot(0, this, &QWidget::close);
    return;
  }
  tsVerb->FocusAnswer();
}

void TfrmVerbTester::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (event->isAccepted()) emit Closed();
}

void TfrmVerbTester::Tell(const Notices& notices) { ShowNotices(platform_, notices, quietEnd_); }

// ---------------------------------------------------------------- navigation

int TfrmVerbTester::ShownPage() const { return strip_->Shown(); }

void TfrmVerbTester::UpdateNavigationButtons() { strip_->ShowCurrent(tsParlavo->currentIndex()); }

void TfrmVerbTester::PageChangedByUser() {
  const int page = tsParlavo->currentIndex();
  if (page == kVerbPage)
    FrmActivate();
  else
    FrmDeactivate();
  if (page == kStatsPage) tsStats->PageShown();
}

void TfrmVerbTester::ShowStatistics() {
  tsParlavo->setCurrentIndex(kStatsPage);
  UpdateNavigationButtons();  // no button stands for this page: all show grey
  PageChangedByUser();
}

void TfrmVerbTester::FrmDeactivate() { session_->Loop().Deactivate(); }

void TfrmVerbTester::FrmActivate() { session_->Loop().Activate(tsParlavo->currentIndex() == kVerbPage); }

}  // namespace parlavo

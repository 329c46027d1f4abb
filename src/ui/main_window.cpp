#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <clocale>

#include "atomic_file.h"
#include "clickable_label.h"
#include "conjugation_view.h"
#include "file_man.h"
#include "history_file.h"
#include "ini_manage.h"
#include "loading_progress.h"
#include "advanced_tests_page.h"
#include "conjugator_page.h"
#include "fonts.h"
#include "regular_endings_page.h"
#include "help_page.h"
#include "options_page.h"
#include "loading_splash.h"
#include "page_control.h"
#include "platform.h"
#include "question_loop.h"
#include "round_half_even.h"
#include "statistics_page.h"
#include "tester_page.h"
#include "text_codec.h"
#include "verb_exports.h"
#include "verb_maker.h"

namespace parlavo {

namespace {
constexpr const char* kWebAddress = "https://www.parlavo.app/";
}  // namespace

TfrmVerbTester::TfrmVerbTester(Platform& platform, QWidget* parent) : QWidget(parent), platform_(platform) {
  InstallFontSubstitutes();
  BuildWindow();
  WireHandlers();
  FormCreate();
}

TfrmVerbTester::~TfrmVerbTester() { FormDestroy(); }

void TfrmVerbTester::WireHandlers() {
  for (ClickableLabel* image : {imgVTutor, imgvtestP, imgAdv, imgadvP, imgReg, Image13, imgconj, Image14, imgOpt,
                                Image15, imgHelp, Image16})
    connect(image, &ClickableLabel::clicked, this, [this, image] { imgVTutorClick(image); });
  connect(Image7, &ClickableLabel::clicked, this, &TfrmVerbTester::Button71Click);
  connect(Image17, &ClickableLabel::clicked, this, &TfrmVerbTester::Image17Click);
  connect(Image18, &ClickableLabel::clicked, this, &TfrmVerbTester::Image18Click);
  connect(TabSheet2, &HelpPage::webPageRequested, this, &TfrmVerbTester::Label7Click);
  connect(TabSheet2, &HelpPage::topicRequested, this, [this](int context) { platform_.ShowHelp(context); });
  connect(tsParlavo, &TPageControl::pageChangedByUser, this, &TfrmVerbTester::tsParlavoChange);
  scStatistics = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this);
  scStatistics->setObjectName("scStatistics");
  scStatistics->setContext(Qt::WindowShortcut);
  connect(scStatistics, &QShortcut::activated, this, &TfrmVerbTester::ShowStatistics);
  connect(tsVerb, &TesterPage::statisticsClicked, this, &TfrmVerbTester::ShowStatistics);
  connect(tsStats, &StatisticsPage::errorFound, this,
          [this](const QString& text) { platform_.ShowMessage("Error", text, MessageIcon::Error); });
  connect(tsStats, &StatisticsPage::practiseVerbRequested, this, &TfrmVerbTester::PractiseVerb);

  WireOptionsAndFilters();
  WireTester();
  connect(tsOptions, &OptionsPage::exportAllClicked, this, &TfrmVerbTester::bnVerbToFileClick);
  connect(tsOptions, &OptionsPage::exportSpecialClicked, this, &TfrmVerbTester::bnSpecialOutputClick);
}

// ---------------------------------------------------------------- start-up

void TfrmVerbTester::FormCreate() { StartUp(); }

void TfrmVerbTester::StartUp() {
  ShownPage = -99;
  UpdateNavigationButtons();
  CreateResultsManager();
  CreateQuestionLoop();
  // Real numbers in the settings file use a point whatever the user's locale.
  std::setlocale(LC_NUMERIC, "C");
  QLocale::setDefault(QLocale::c());

  const int codePage = platform_.OemCodePage();
  if (codePage != 437 && codePage != 850)
    platform_.ShowMessage("Error",
                          "You must be using an ASCII code 437 or 850 Code Page.  This error is being shown "
                          "because the keyboard and language settings are not necessarily compatible.  Please set "
                          "the PC in a mode where the language and keyboard are English.",
                          MessageIcon::Exclamation);

  FirstPresetIndex = 0;
  StartingUp = true;
  CopyingOptions = false;
  ReadSettings();
  OptionsToControls();
  LoadCurrentFilter();
  tsSelection->TickAllVerbTypes();

  Splash = new TfrmLoadingSplash(this);
  // The conjugator's box takes its verbs in one go once the load ends: one entry at a
  // time would update its list a thousand times while nothing shows it.
  QStringList infinitives;
  Splash->OnInfinitive = [&infinitives](const std::string& infinitive) { infinitives.append(ToQString(infinitive)); };
  CloseAtShow = false;  // the question loop starts paused-done and unanswered
  SetAdvancedTabVisible(tsVerb->cbAdvanced->isChecked());
  VerbItems.clear();
  TestItems.clear();

  {
    TVerbMaker maker;
    VerbsLoaded = maker.LoadVerbFile(FilePath(platform_.Files().verbFile), VerbItems, Splash);
  }
  Splash->OnInfinitive = nullptr;
  tsCommonVerbs->SetInfinitives(infinitives);
  if (VerbsLoaded) {
    Splash->LoadPosition *= 2;
    tsParlavo->setCurrentWidget(tsVerb);
    PrepareAnswerBox();
    Splash->LoadPosition = RoundHalfEven(Splash->LoadPosition * 1.33);
    SelectSavedTest();
    ApplyPreset();
    Splash->LoadPosition = Splash->FinalPosition;
    delete Splash;
    Splash = nullptr;
  } else {
    // The splash stays up until the window goes.
    platform_.ShowMessage("Error", "No verb datafile found.  Unable to continue", MessageIcon::Exclamation);
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
  tsVerb->pcDisplay->setCurrentIndex(tsVerb->cbSimple->currentIndex() == 0 ? 1 : 0);
  Loop->Activate(true);  // the clock starts now
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state == Qt::ApplicationActive)
      FrmActivate();
    else
      FrmDeactivate();
  });
  tmSaver->start();
}

void TfrmVerbTester::PrepareAnswerBox() {
  tsVerb->reVerb->setTabChangesFocus(true);
  tsVerb->reVerb->setLineWrapMode(QTextEdit::NoWrap);
  tsVerb->reVerb->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  tsVerb->reVerb->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  tsVerb->reVerb->clear();
}

void TfrmVerbTester::SetAdvancedTabVisible(bool visible) { tsParlavo->setPageTabVisible(kSelectionPage, visible); }

void TfrmVerbTester::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!centred_) {
    centred_ = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      move(screen->availableGeometry().center() - rect().center());
  }
  FormShow();
}

void TfrmVerbTester::FormShow() {
  if (CloseAtShow) {
    // Closing from inside the show would leave the platform half-way; close right after.
    QTimer::singleShot(0, this, &QWidget::close);
    return;
  }
  if (isVisible()) tsVerb->reVerb->setFocus();
}

void TfrmVerbTester::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  SaveSettingsOnExit();
}

// ---------------------------------------------------------------- navigation

ClickableLabel* TfrmVerbTester::UpperNavigationImage(int page) const {
  switch (page) {
    case kVerbPage: return imgVTutor;
    case kConjugationPage: return imgReg;
    case kSelectionPage: return imgAdv;
    case kOptionsPage: return imgOpt;
    case kHelpPage: return imgHelp;
    case kConjugatorPage: return imgconj;
    default: return nullptr;
  }
}

void TfrmVerbTester::imgVTutorClick(ClickableLabel* sender) {
  tsParlavo->setCurrentIndex(sender->Tag);
  UpdateNavigationButtons();
}

void TfrmVerbTester::UpdateNavigationButtons() {
  const int page = tsParlavo->currentIndex();
  if (page == ShownPage) return;
  if (ClickableLabel* shown = UpperNavigationImage(ShownPage)) shown->show();
  if (ClickableLabel* current = UpperNavigationImage(page)) current->hide();
  ShownPage = page;
}

void TfrmVerbTester::tsParlavoChange() {
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
  tsParlavoChange();
}

void TfrmVerbTester::FrmDeactivate() { Loop->Deactivate(); }

void TfrmVerbTester::FrmActivate() { Loop->Activate(tsParlavo->currentIndex() == kVerbPage); }

void TfrmVerbTester::Image17Click() { showMinimized(); }
void TfrmVerbTester::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (event->isAccepted()) emit Closed();
}

void TfrmVerbTester::FocusAnswerBox() {
  if (isVisible()) tsVerb->reVerb->setFocus();
}

void TfrmVerbTester::Image18Click() { close(); }
void TfrmVerbTester::Button71Click() { close(); }
void TfrmVerbTester::Label7Click() { platform_.OpenWebPage(kWebAddress); }

// A borderless window moves when dragged by the navigation strip or a header band.
bool TfrmVerbTester::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tsVerb->reVerb) return reVerbEvent(event) || QWidget::eventFilter(watched, event);
  if (tsVerb->lbVerbs && watched == tsVerb->lbVerbs->viewport()) return lbVerbsEvent(event) || QWidget::eventFilter(watched, event);
  auto* source = qobject_cast<QWidget*>(watched);
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) break;
      dragSource_ = source;
      dragOffset_ = mouse->globalPosition().toPoint() - frameGeometry().topLeft();
      return true;
    }
    case QEvent::MouseMove:
      if (dragSource_ == source && (static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton)) {
        move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - dragOffset_);
        return true;
      }
      break;
    case QEvent::MouseButtonRelease:
      if (dragSource_ == source) {
        dragSource_ = nullptr;
        return true;
      }
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- exports

void TfrmVerbTester::ExportToFile(const char* fileName, const std::function<void(std::ostream&)>& writer) {
  const QString folder = platform_.Files().dataFolder;
  const std::string error = WriteFileAtomically(FilePath(folder + fileName), writer);
  if (!error.empty()) {
    platform_.ShowMessage("Error", QString::fromStdString(error), MessageIcon::Error);
    return;
  }
  // Beside a portable program the files are where the learner started it; elsewhere
  // the message names the folder, which a learner would not guess.
  const QString where = folder.isEmpty() ? QString("the Parlavo directory")
                                         : QString("the folder '%1'").arg(QDir::toNativeSeparators(QDir::cleanPath(folder)));
  platform_.ShowMessage("Complete", QString("The file '%1' can be found in %2.").arg(fileName, where),
                        MessageIcon::Exclamation);
}

void TfrmVerbTester::bnVerbToFileClick() {
  const std::vector<std::string> infinitives = tsCommonVerbs->Infinitives();
  ExportToFile("AllVerbs.txt", [&](std::ostream& out) { WriteAllVerbs(out, infinitives, VerbItems); });
}

void TfrmVerbTester::bnSpecialOutputClick() {
  ExportToFile("SpecialVerbs.txt", [&](std::ostream& out) { WriteSpecialVerbs(out, VerbItems); });
}

}  // namespace parlavo

#include "screenshots.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <iostream>

#include "loading_progress.h"
#include "loading_splash.h"
#include "main_window.h"
#include "page_control.h"
#include "test_summary_dialog.h"

namespace parlavo {

namespace {
bool Save(QWidget& widget, const QString& path) {
  QApplication::processEvents();
  if (widget.grab().save(path)) return true;
  std::cerr << "Could not write " << path.toStdString() << '\n';
  return false;
}
}  // namespace

bool TakeScreenshots(TfrmVerbTester& window, const QString& dir) {
  if (!QDir().mkpath(dir)) {
    std::cerr << "Could not create " << dir.toStdString() << '\n';
    return false;
  }
  bool ok = true;
  window.show();
  for (int page = 0; page < window.tsParlavo->count(); ++page) {
    if (page == TfrmVerbTester::kStatsPage) {
      window.ShowStatistics();  // as Ctrl+Shift+S shows it: rebuilt
    } else {
      window.tsParlavo->setCurrentIndex(page);
      window.UpdateNavigationButtons();
    }
    ok = Save(window, dir + "/" + window.tsParlavo->widget(page)->objectName() + ".png") && ok;
  }
  window.tsParlavo->setCurrentIndex(TfrmVerbTester::kVerbPage);
  window.UpdateNavigationButtons();
  const int shown = window.pcDisplay->currentIndex();
  window.pcDisplay->setCurrentIndex(1 - shown);
  ok = Save(window, dir + "/tsVerb-" + window.pcDisplay->currentWidget()->objectName() + ".png") && ok;
  window.pcDisplay->setCurrentIndex(shown);

  // The summary of a done test of 12 questions, two of them missed.
  if (window.VerbItems.size() > 40) {
    TestSummary summary;
    summary.questions = 12;
    summary.rightFirstTime = 10;
    summary.answers = 12;
    summary.averageScore = 8.6;
    summary.averageSeconds = 6.3;
    summary.totalSeconds = 76;
    summary.missed = {{&window.VerbItems[1], 7}, {&window.VerbItems[36], -10}};
    TestSummaryDialog dialog(summary, &window);
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    dialog.show();
    ok = Save(dialog, dir + "/dlgTestSummary.png") && ok;
  }

  TfrmLoadingSplash splash;
  splash.SetLoadPosition(640);
  splash.tmLoaderTimer();
  splash.show();
  ok = Save(splash, dir + "/TfrmLoadingSplash.png") && ok;

  TfrmLoading progress;
  progress.ShowProgress("Updating conjugation : ", 0, 153, true, true);
  for (int i = 0; i < 12; ++i) progress.StepProgress();
  progress.tmLoaderTimer();
  ok = Save(progress, dir + "/TfrmLoading.png") && ok;
  return ok;
}

}  // namespace parlavo

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

#include "screenshots.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <iostream>
#include <string>
#include <vector>

#include "history.h"
#include "local_day.h"

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
bool WriteLines(const QString& path, const std::vector<std::string>& lines) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  for (const std::string& line : lines) file.write(QByteArray::fromStdString(line + "\r\n"));
  return file.error() == QFile::NoError;
}

}  // namespace

bool LayOutSampleResults(const QString& folder) {
  // form, infinitive, person, tense, irregular: a few Present and Preterite forms.
  static const char* const kForms[] = {
      "tengo,tener,1,1,1", "tienes,tener,2,1,1",   "tiene,tener,4,1,1", "soy,ser,1,1,1",       "eres,ser,2,1,1",
      "somos,ser,7,1,1",   "voy,ir,1,1,1",         "vamos,ir,7,1,1",    "hablo,hablar,1,1,0",  "hablamos,hablar,7,1,0",
      "como,comer,1,1,0",  "comieron,comer,9,3,0", "vivo,vivir,1,1,0",  "vivimos,vivir,7,1,0", "hice,hacer,1,3,1",
      "hizo,hacer,4,3,1",  "pude,poder,1,3,1",     "dije,decir,1,3,1",  "dijeron,decir,9,3,1", "fui,ir,1,3,1"};
  constexpr int kFormCount = static_cast<int>(std::size(kForms));
  std::vector<std::string> results, history;
  unsigned seed = 7;
  auto next = [&seed](unsigned range) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % range;
  };
  auto answer = [&](int form, int skill) {
    // Better with practice: `skill` from 0 to 100 is the chance in a hundred of a 10.
    static const int kLowScores[] = {9, 7, 7, -5, -10};
    const int score = static_cast<int>(next(100)) < skill ? 10 : kLowScores[next(5)];
    results.push_back(std::string(kForms[form]) + "," + std::to_string(score) + "," + std::to_string(2 + next(12)));
  };
  // Answers from before "History.txt" existed: no day.
  for (int i = 0; i < 30; ++i) answer(i % 6, 40);
  const Day today = LocalNow().day;
  for (int ago = 45; ago >= 0; --ago) {
    if (next(3) == 0 && ago != 0) continue;  // not every day
    const std::size_t first = results.size() + 1;
    const int answers = 8 + static_cast<int>(next(25));
    // Newer verbs come in as the weeks go by, so the older ones were last practised earlier.
    const int oldest = (45 - ago) * 8 / 45, newest = 8 + (45 - ago) * (kFormCount - 8) / 45;
    for (int i = 0; i < answers; ++i) answer(oldest + static_cast<int>(next(newest - oldest)), 85 - ago);
    history.push_back(FormatHistoryLine(RunEntry({today - ago, 18 * 3600}, results, results.size() + 1 - first)));
  }
  return WriteLines(folder + "Results.txt", results) && WriteLines(folder + "History.txt", history);
}

bool TakeScreenshots(TfrmVerbTester& window, const QString& dir) {
  if (!QDir().mkpath(dir)) {
    std::cerr << "Could not create " << dir.toStdString() << '\n';
    return false;
  }
  bool ok = true;
  window.show();
  auto* pages = window.findChild<QTabWidget*>("tsParlavo");
  for (int page = 0; page < pages->count(); ++page) {
    if (page == TfrmVerbTester::kStatsPage) {
      window.ShowStatistics();  // as Ctrl+Shift+S shows it: rebuilt
    } else {
      pages->setCurrentIndex(page);
      window.UpdateNavigationButtons();
    }
    ok = Save(window, dir + "/" + pages->widget(page)->objectName() + ".png") && ok;
  }
  // The person-by-tense grid, and the views of the Statistics page that come from
  // the results' days.
  for (const char* view : {"rbBothWR", "rbVerb", "rbProgress"}) {
    auto* button = window.findChild<QRadioButton*>(view);
    if (button == nullptr) continue;
    window.ShowStatistics();
    button->click();
    ok = Save(window, dir + "/tsStats-" + view + ".png") && ok;
  }
  // A picture of the notice instead of the chart is no picture of the program.
  if (auto* missing = window.findChild<QLabel*>("lbNoCharts")) {
    std::cerr << missing->text().toStdString() << "\n";
    ok = false;
  }
  if (auto* first = window.findChild<QRadioButton*>("rbPerson")) first->setChecked(true);
  pages->setCurrentIndex(TfrmVerbTester::kVerbPage);
  window.UpdateNavigationButtons();
  const int shown = window.findChild<QTabWidget*>("pcDisplay")->currentIndex();
  window.findChild<QTabWidget*>("pcDisplay")->setCurrentIndex(1 - shown);
  ok = Save(window,
            dir + "/tsVerb-" + window.findChild<QTabWidget*>("pcDisplay")->currentWidget()->objectName() + ".png") &&
       ok;
  window.findChild<QTabWidget*>("pcDisplay")->setCurrentIndex(shown);

  // The summary of a done test of 12 questions, two of them missed.
  if (window.Session().Verbs().size() > 40) {
    TestSummary summary;
    summary.questions = 12;
    summary.rightFirstTime = 10;
    summary.answers = 12;
    summary.averageScore = 8.6;
    summary.averageSeconds = 6.3;
    summary.totalSeconds = 76;
    summary.missed = {{&window.Session().Verbs()[1], 7}, {&window.Session().Verbs()[36], -10}};
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

#include "chart_drawing.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLibrary>

namespace parlavo {

namespace {

constexpr const char* kEntry = "parlavo_chart_drawing";
constexpr const char* kModule = "libparlavo_charts.so";

using Entry = ChartDrawing* (*)();

Entry FindEntry(QString& problem) {
  // Beside the program in a build or a portable folder; in <prefix>/lib/parlavo when installed.
  const QString programFolder = QCoreApplication::applicationDirPath();
  QString reason = QStringLiteral("it is neither beside the program nor in its lib/parlavo folder");
  for (const QString& file : {programFolder + "/" + kModule, programFolder + "/../lib/parlavo/" + kModule}) {
    if (!QFileInfo::exists(file)) continue;
    QLibrary module(file);
    if (module.load())
      if (auto entry = reinterpret_cast<Entry>(module.resolve(kEntry))) return entry;  // loaded for the whole run
    reason = module.errorString();
  }
  problem =
      QStringLiteral("The charts cannot be drawn: their module %1 could not be loaded (%2).").arg(kModule, reason);
  return nullptr;
}

struct Loaded {
  bool tried = false;
  ChartDrawing* drawing = nullptr;
  QString problem;
};

Loaded& State() {
  static Loaded loaded;
  return loaded;
}

}  // namespace

ChartDrawing* Charts(QString& problem) {
  Loaded& loaded = State();
  if (!loaded.tried) {
    loaded.tried = true;
    if (const Entry entry = FindEntry(loaded.problem)) loaded.drawing = entry();
  }
  if (!loaded.drawing) problem = loaded.problem;
  return loaded.drawing;
}

void UseChartDrawing(ChartDrawing* drawing, const QString& problem) { State() = {true, drawing, problem}; }

QLabel* ChartNotice(QWidget* parent, const QString& text, const QString& name) {
  auto* notice = new QLabel(text, parent);
  notice->setObjectName(name);
  notice->setTextFormat(Qt::PlainText);
  notice->setWordWrap(true);
  notice->setAlignment(Qt::AlignCenter);
  notice->setMargin(24);
  return notice;
}

QWidget* NoChartsNotice(QWidget* parent, const QString& problem) {
  return ChartNotice(parent, problem, QStringLiteral("lbNoCharts"));
}

}  // namespace parlavo

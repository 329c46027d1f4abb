// The Statistics page's charts are drawn by Qt Charts, which lives in a module of
// its own (with the OpenGL libraries it pulls in; it uses nothing but Qt) and is loaded when the first chart
// is made: a start that shows no chart does not pay for linking and mapping it.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QLabel;

namespace parlavo {

// One day of the progress chart.
struct DayBar {
  QString label;  // under the axis
  double answers = 0;
  double averageScore = 0;
};

// One tense's bars on the chart by tense.
struct TenseBar {
  QString tense;
  bool hasData = false;
  double score = 0;
  double seconds = 0;
};

class ChartDrawing {
 public:
  virtual ~ChartDrawing() = default;
  // A chart view, still empty, named `name`.
  virtual QWidget* NewView(QWidget* parent, const QString& name) = 0;
  // Average score and time per tense as bars.
  virtual void DrawTenseAverages(QWidget* view, const std::vector<TenseBar>& bars) = 0;
  // Answers per day as bars and the average score as a line; hovering bar i shows tooltip(i).
  virtual void DrawDays(QWidget* view, const std::vector<DayBar>& days, const std::function<QString(int)>& tooltip) = 0;
};

// The drawing module, loaded on the first call and kept. Null when it cannot be loaded;
// `problem` then says why, in words for the learner.
ChartDrawing* Charts(QString& problem);

// Draws with `drawing` from now on instead of loading the module (null: as if the
// module were missing, for `problem`). For programs that link the module, as tests do.
void UseChartDrawing(ChartDrawing* drawing, const QString& problem = QString());

// A text in a chart's place (plain, centred, wrapped), named `name`.
QLabel* ChartNotice(QWidget* parent, const QString& text, const QString& name);
// A chart's place when the module is missing: the reason, in the chart's place.
QWidget* NoChartsNotice(QWidget* parent, const QString& problem);

}  // namespace parlavo

// What the module exports (a plain C name, resolved when it is loaded).
extern "C" parlavo::ChartDrawing* parlavo_chart_drawing();

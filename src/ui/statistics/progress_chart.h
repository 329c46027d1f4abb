// The "Progress" view of the Statistics page: answers per day as bars and the
// average score per day as a line on a 0-10 axis, one category per day with
// answers (oldest first), or a plain sentence while no answer has a day.
#pragma once

#include <QWidget>
#include <vector>

#include "chart_drawing.h"
#include "daily_practice.h"

class QLabel;

namespace parlavo {

class ProgressChart : public QWidget {
  Q_OBJECT
 public:
  // The chart view is "chProgress", the sentence "lbNoProgress".
  explicit ProgressChart(QWidget* parent = nullptr);

  // `days` as ProgressSeries gives them; empty shows the sentence instead.
  void ShowDays(const std::vector<DayFigures>& days);

  const std::vector<DayFigures>& Days() const { return days_; }
  // What the tooltip of bar `index` says ("" outside the bars).
  QString BarTooltip(int index) const;

 private:
  std::vector<DayFigures> days_;
  ChartDrawing* drawing_ = nullptr;  // null when the charts' module is missing
  QWidget* view_ = nullptr;          // the chart view, or the notice in its place
  QLabel* empty_ = nullptr;
};

}  // namespace parlavo

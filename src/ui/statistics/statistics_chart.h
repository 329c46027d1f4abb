// A bar chart of the average score and the average time per tense, shown on the
// Statistics page in the place of the grids when "Chart by Tense" is chosen.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "chart_drawing.h"
#include "statistics.h"

namespace parlavo {

class StatisticsChart : public QWidget {
  Q_OBJECT
 public:
  explicit StatisticsChart(QWidget* parent = nullptr);

  // Reads rows 1..15 of the tense table (column 0 the tense name, 1 the count,
  // 2 the average score, 3 the average time, Windows-1252). A row whose averages
  // are "N/A" or not numbers gets no bars.
  void ShowTenseAverages(const StatisticsGrid& tenseCells);

  // What the chart shows, one entry per tense row read, for readers and tests.
  using Bar = TenseBar;
  const std::vector<Bar>& Bars() const { return bars_; }

 private:
  std::vector<Bar> bars_;
  ChartDrawing* drawing_ = nullptr;  // null when the charts' module is missing
  QWidget* view_ = nullptr;          // the chart view, or the notice in its place
};

}  // namespace parlavo

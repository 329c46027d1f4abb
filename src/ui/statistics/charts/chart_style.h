// The look the Statistics page's charts share: a small bold title, thin margins,
// the legend on top, and small labels to fit the page.
#pragma once

#include <QFont>
#include <QString>

class QChart;
class QChartView;

namespace parlavo {

// A new chart with that look; `labels` receives the font for its axes' labels.
QChart* NewPageChart(const QString& title, QFont& labels);
// Shows `chart` in `view` and frees the one shown before (the view does not).
void ReplaceChart(QChartView* view, QChart* chart);

}  // namespace parlavo

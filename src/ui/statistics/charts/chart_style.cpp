#include "chart_style.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLegend>

namespace parlavo {

QChart* NewPageChart(const QString& title, QFont& labels) {
  auto* chart = new QChart;
  chart->setTitle(title);
  QFont titleFont = chart->titleFont();
  titleFont.setPointSize(9);
  titleFont.setBold(true);
  chart->setTitleFont(titleFont);
  chart->setMargins(QMargins(2, 2, 2, 2));
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->setBackgroundRoundness(0);
  chart->legend()->setAlignment(Qt::AlignTop);
  labels = QFont();
  labels.setPointSize(7);
  chart->legend()->setFont(labels);
  return chart;
}

void ReplaceChart(QChartView* view, QChart* chart) {
  QChart* old = view->chart();
  view->setChart(chart);
  delete old;
}

}  // namespace parlavo

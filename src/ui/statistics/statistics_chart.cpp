#include "statistics_chart.h"

#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "chart_style.h"
#include "text_codec.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QValueAxis>

namespace parlavo {

namespace {

// A whole number in decimal, as the tables write averages; anything else ("N/A") is none.
bool ParseWhole(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  const long number = std::strtol(text.c_str(), &end, 10);
  if (end == nullptr || *end != '\0') return false;
  value = static_cast<double>(number);
  return true;
}

// Category labels stand on end under the bars; shorter names leave the bars more room.
QString AxisLabel(QString tense) {
  tense.replace(QStringLiteral("Subjunctive - "), QStringLiteral("Subj. "));
  tense.replace(QStringLiteral("Conditional - "), QStringLiteral("Cond. "));
  tense.replace(QStringLiteral("Future - "), QStringLiteral("Future "));
  return tense;
}

}  // namespace

StatisticsChart::StatisticsChart(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* view = new QChartView(this);
  view->setRenderHint(QPainter::Antialiasing);
  view_ = view;
  layout->addWidget(view_);
}

void StatisticsChart::ShowTenseAverages(const StatisticsGrid& tenseCells) {
  bars_.clear();
  for (std::size_t r = 1; r < tenseCells.size() && r <= 15; ++r) {
    const auto& row = tenseCells[r];
    Bar bar;
    if (!row.empty()) bar.tense = ToQString(row[0]);
    bar.hasData = row.size() > 3 && ParseWhole(row[2], bar.score) && ParseWhole(row[3], bar.seconds);
    if (!bar.hasData) bar.score = bar.seconds = 0;
    bars_.push_back(bar);
  }

  auto* scores = new QBarSet(QStringLiteral("Ave. Score"));
  auto* times = new QBarSet(QStringLiteral("Ave. Time (secs)"));
  scores->setColor(QColor(0, 128, 128));
  times->setColor(QColor(230, 150, 40));
  QStringList names;
  double low = 0, high = 10;
  for (const Bar& bar : bars_) {
    names << AxisLabel(bar.tense);
    *scores << bar.score;
    *times << bar.seconds;
    low = std::min({low, bar.score, bar.seconds});
    high = std::max({high, bar.score, bar.seconds});
  }
  auto* series = new QBarSeries;
  series->append(scores);
  series->append(times);
  series->setBarWidth(0.8);

  QFont small;
  QChart* chart = NewPageChart(QStringLiteral("Average score and time by tense"), small);
  chart->addSeries(series);

  auto* tenses = new QBarCategoryAxis;
  tenses->append(names);
  tenses->setLabelsFont(small);
  tenses->setLabelsAngle(-90);
  chart->addAxis(tenses, Qt::AlignBottom);
  series->attachAxis(tenses);

  auto* values = new QValueAxis;
  values->setRange(low, high);
  values->setLabelFormat(QStringLiteral("%d"));
  values->setLabelsFont(small);
  values->applyNiceNumbers();
  chart->addAxis(values, Qt::AlignLeft);
  series->attachAxis(values);

  auto* view = static_cast<QChartView*>(view_);
  ReplaceChart(view, chart);
}

}  // namespace parlavo

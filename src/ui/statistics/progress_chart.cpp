#include "progress_chart.h"

#include <QCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QGraphicsLayout>
#include <QLabel>
#include <QLineSeries>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

#include "progress_series.h"
#include "chart_style.h"
#include "text_codec.h"

namespace parlavo {

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  view_ = new QChartView(this);
  view_->setObjectName(QStringLiteral("chProgress"));
  view_->setRenderHint(QPainter::Antialiasing);
  layout->addWidget(view_);
  empty_ = new QLabel(ToQString(std::string(kNoProgressYet)), this);
  empty_->setObjectName(QStringLiteral("lbNoProgress"));
  empty_->setTextFormat(Qt::PlainText);
  empty_->setWordWrap(true);
  empty_->setAlignment(Qt::AlignCenter);
  empty_->setMargin(24);
  layout->addWidget(empty_);
  empty_->hide();
}

QString ProgressChart::BarTooltip(int index) const {
  if (index < 0 || index >= static_cast<int>(days_.size())) return QString();
  return ToQString(DayTooltip(days_[static_cast<std::size_t>(index)]));
}

void ProgressChart::ShowDays(const std::vector<DayFigures>& days) {
  days_ = days;
  view_->setVisible(!days_.empty());
  empty_->setVisible(days_.empty());

  auto* answers = new QBarSet(QStringLiteral("Answers"));
  answers->setColor(QColor(230, 150, 40));
  auto* scores = new QLineSeries;
  scores->setName(QStringLiteral("Ave. Score"));
  scores->setColor(QColor(0, 128, 128));
  scores->setPointsVisible(true);
  QStringList labels;
  double most = 1;
  for (std::size_t i = 0; i < days_.size(); ++i) {
    const DayFigures& day = days_[i];
    labels << ToQString(DayAxisLabel(day.day));
    *answers << static_cast<double>(day.answers);
    scores->append(static_cast<double>(i), std::clamp(day.averageScore, 0.0, 10.0));
    most = std::max(most, static_cast<double>(day.answers));
  }
  auto* bars = new QBarSeries;
  bars->append(answers);
  bars->setBarWidth(0.7);
  connect(answers, &QBarSet::hovered, this, [this](bool inside, int index) {
    if (inside)
      QToolTip::showText(QCursor::pos(), BarTooltip(index), view_);
    else
      QToolTip::hideText();
  });

  QFont small;
  QChart* chart = NewPageChart(QStringLiteral("Answers and average score by day"), small);
  chart->addSeries(bars);
  chart->addSeries(scores);

  // Day i is at x = i, bars and points alike. Sixty dates side by side do not fit
  // under the bars: a date stands under every few, the last day's always.
  auto* dates = new QCategoryAxis;
  const int count = static_cast<int>(days_.size());
  dates->setRange(-0.5, std::max(0, count - 1) + 0.5);
  dates->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  const int step = std::max(1, (count + 7) / 8);
  for (int i = (count - 1) % step; i < count; i += step) dates->append(labels[i], i);
  dates->setLabelsFont(small);
  dates->setGridLineVisible(false);
  chart->addAxis(dates, Qt::AlignBottom);
  bars->attachAxis(dates);
  scores->attachAxis(dates);

  auto* counts = new QValueAxis;
  counts->setRange(0, most);
  counts->setLabelFormat(QStringLiteral("%d"));
  counts->setLabelsFont(small);
  counts->setTitleText(QStringLiteral("Answers"));
  counts->setTitleFont(small);
  counts->applyNiceNumbers();
  chart->addAxis(counts, Qt::AlignLeft);
  bars->attachAxis(counts);

  // Scores run from -10 (the answer shown) to 10; the axis shows the 0-10 a learner
  // aims within, and a day averaging below 0 sits on its floor.
  auto* score = new QValueAxis;
  score->setRange(0, 10);
  score->setTickCount(6);
  score->setLabelFormat(QStringLiteral("%d"));
  score->setLabelsFont(small);
  score->setTitleText(QStringLiteral("Ave. Score"));
  score->setTitleFont(small);
  chart->addAxis(score, Qt::AlignRight);
  scores->attachAxis(score);

  ReplaceChart(view_, chart);
}

}  // namespace parlavo

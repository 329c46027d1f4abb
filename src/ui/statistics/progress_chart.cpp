#include "progress_chart.h"

#include <QLabel>
#include <QVBoxLayout>

#include "progress_series.h"
#include "text_codec.h"

namespace parlavo {

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  QString problem;
  drawing_ = Charts(problem);
  view_ = drawing_ ? drawing_->NewView(this, QStringLiteral("chProgress")) : NoChartsNotice(this, problem);
  layout->addWidget(view_);
  empty_ = ChartNotice(this, ToQString(std::string(kNoProgressYet)), QStringLiteral("lbNoProgress"));
  layout->addWidget(empty_);
  empty_->hide();
}

QString ProgressChart::BarTooltip(int index) const {
  if (index < 0 || index >= static_cast<int>(days_.size())) return QString();
  return ToQString(DayTooltip(days_[static_cast<std::size_t>(index)]));
}

void ProgressChart::ShowDays(const std::vector<DayFigures>& days) {
  days_ = days;
  // Without the module its notice stands in the chart's place, days or not.
  view_->setVisible(!days_.empty() || !drawing_);
  empty_->setVisible(days_.empty() && drawing_);
  if (!drawing_) return;
  std::vector<DayBar> bars;
  bars.reserve(days_.size());
  for (const DayFigures& day : days_)
    bars.push_back({ToQString(DayAxisLabel(day.day)), static_cast<double>(day.answers), day.averageScore});
  drawing_->DrawDays(view_, bars, [this](int index) { return BarTooltip(index); });
}

}  // namespace parlavo

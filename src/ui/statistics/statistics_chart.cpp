#include "statistics_chart.h"

#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "text_codec.h"

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

}  // namespace

StatisticsChart::StatisticsChart(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  QString problem;
  drawing_ = Charts(problem);
  view_ = drawing_ ? drawing_->NewView(this, QString()) : NoChartsNotice(this, problem);
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
  if (drawing_) drawing_->DrawTenseAverages(view_, bars_);
}

}  // namespace parlavo

// The chart drawing module: every use of Qt Charts in the program is here.
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QLineSeries>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>

#include "chart_drawing.h"
#include "chart_style.h"

namespace parlavo {

namespace {

// Category labels stand on end under the bars; shorter names leave the bars more room.
QString AxisLabel(QString tense) {
  tense.replace(QStringLiteral("Subjunctive - "), QStringLiteral("Subj. "));
  tense.replace(QStringLiteral("Conditional - "), QStringLiteral("Cond. "));
  tense.replace(QStringLiteral("Future - "), QStringLiteral("Future "));
  return tense;
}

class QtChartDrawing : public ChartDrawing {
 public:
  QWidget* NewView(QWidget* parent, const QString& name) override {
    auto* view = new QChartView(parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
  }

  void DrawTenseAverages(QWidget* view, const std::vector<TenseBar>& bars) override {
    auto* scores = new QBarSet(QStringLiteral("Ave. Score"));
    auto* times = new QBarSet(QStringLiteral("Ave. Time (secs)"));
    scores->setColor(QColor(0, 128, 128));
    times->setColor(QColor(230, 150, 40));
    QStringList names;
    double low = 0, high = 10;
    for (const TenseBar& bar : bars) {
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

    ReplaceChart(static_cast<QChartView*>(view), chart);
  }

  void DrawDays(QWidget* view, const std::vector<DayBar>& days, const std::function<QString(int)>& tooltip) override {
    auto* answers = new QBarSet(QStringLiteral("Answers"));
    answers->setColor(QColor(230, 150, 40));
    auto* scores = new QLineSeries;
    scores->setName(QStringLiteral("Ave. Score"));
    scores->setColor(QColor(0, 128, 128));
    scores->setPointsVisible(true);
    QStringList labels;
    double most = 1;
    for (std::size_t i = 0; i < days.size(); ++i) {
      const DayBar& day = days[i];
      labels << day.label;
      *answers << day.answers;
      scores->append(static_cast<double>(i), std::clamp(day.averageScore, 0.0, 10.0));
      most = std::max(most, day.answers);
    }
    auto* bars = new QBarSeries;
    bars->append(answers);
    bars->setBarWidth(0.7);
    QObject::connect(answers, &QBarSet::hovered, view, [view, tooltip](bool inside, int index) {
      if (inside)
        QToolTip::showText(QCursor::pos(), tooltip(index), view);
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
    const int count = static_cast<int>(days.size());
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

    ReplaceChart(static_cast<QChartView*>(view), chart);
  }
};

}  // namespace

}  // namespace parlavo

extern "C" parlavo::ChartDrawing* parlavo_chart_drawing() {
  static parlavo::QtChartDrawing drawing;
  return &drawing;
}

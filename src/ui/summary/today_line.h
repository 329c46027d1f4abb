// "Today: N answers, average S" and "D-day streak" on the tester page's header,
// beside the Statistics button; the figures come from the results and their days.
#pragma once

#include <QLabel>
#include <string>
#include <vector>

#include "history.h"
#include "local_day.h"

namespace parlavo {

class TodayLine : public QLabel {
  Q_OBJECT
 public:
  // Object name "lbToday".
  explicit TodayLine(QWidget* parent = nullptr);

  // Shows today's answers and the streak from all result lines, dated by `history`
  // (the run's own entry included).
  void ShowFigures(const std::vector<std::string>& resultLines, const std::vector<HistoryEntry>& history, Day today);
};

}  // namespace parlavo

#include "today_line.h"

#include "daily_practice.h"
#include "text_codec.h"

namespace parlavo {

TodayLine::TodayLine(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("lbToday"));
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont small = font();
  small.setPixelSize(11);
  setFont(small);
  setAttribute(Qt::WA_TransparentForMouseEvents);  // the band beneath moves the window
}

void TodayLine::ShowFigures(const std::vector<std::string>& resultLines, const std::vector<HistoryEntry>& history,
                            Day today) {
  const std::vector<Day> days = ResultDays(resultLines.size(), history);
  std::string text = TodayText(AnswersOn(today, resultLines, days));
  const std::string streak = StreakText(StreakDays(AnswersByDay(resultLines, days), today));
  if (!streak.empty()) text += "\n" + streak;
  setText(ToQString(text));
}

}  // namespace parlavo

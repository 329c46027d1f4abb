// The clock of the question being asked: it runs while AnswerTime equals StartTime.
// Times are fractions of a day. Kept apart from the window so the question loop can
// take it over.
#pragma once

namespace parlavo {

struct QuestionClock {
  double StartTime = 0.0;
  double AnswerTime = 0.0;

  bool Running() const { return AnswerTime == StartTime; }
  void Restart(double now) { StartTime = AnswerTime = now; }
  // A second pause keeps the first pause's time.
  void Pause(double now) {
    if (Running()) AnswerTime = now;
  }
  // Leaves the time spent paused out of the question's time.
  void Resume(double now) {
    StartTime = now - (AnswerTime - StartTime);
    AnswerTime = StartTime;
  }
};

}  // namespace parlavo

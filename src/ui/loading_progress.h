// The progress window of long loops such as building a test.
#pragma once

#include <QString>
#include <QWidget>

#include "selection.h"

class QLabel;
class QProgressBar;
class QTimer;

namespace parlavo {

class TfrmLoading : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmLoading(QWidget* owner = nullptr);

  // Shows the window with the title and the bar at `start` of `maximum`. With
  // counterText the title gains "<n> of <maximum>"; visibleAtFirstStep is the
  // window's visibility from the first StepProgress on.
  void ShowProgress(const QString& title, int start, int maximum, bool counterText, bool visibleAtFirstStep);
  void StepProgress();
  // One tick of tmLoader: update the counter text and creep the bar forward.
  void tmLoaderTimer();

  int Counter() const { return counter_; }

  QLabel* imgBand = nullptr;
  QLabel* imgEmblem = nullptr;
  QLabel* lbTitle = nullptr;
  QProgressBar* prLoading = nullptr;
  QTimer* tmLoader = nullptr;

 private:
  int counter_ = 0;
  QString title_;
  bool counterText_ = false;
  bool visibleAtFirstStep_ = true;
  bool firstStepPending_ = false;
};

// Steps `progress` once per item and lets the window repaint, at most every 16 ms: a
// selection visits every item of every verb. Nothing for a null window.
SelectionProgress ProgressStepper(TfrmLoading* progress);

}  // namespace parlavo

// The start-up splash: a picture and a progress bar that follows the verb loader.
#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "load_observer.h"

class QLabel;
class QProgressBar;
class QTimer;

namespace parlavo {

class TfrmLoadingSplash : public QWidget, public LoadObserver {
  Q_OBJECT
 public:
  explicit TfrmLoadingSplash(QWidget* owner = nullptr);

  // LoadObserver
  void LoadStarted() override;
  void SetLoadPosition(int position) override { LoadPosition = position; }
  void SetFinalPosition(int position) override { FinalPosition = position; }
  void AddInfinitive(const std::string& infinitive) override;
  // Lets the splash repaint and its timer tick, at most every 16 ms: the loader
  // calls this once per line, far more often than a screen refreshes.
  void ProcessPendingMessages() override;

  // One tick of tmLoader: creep forward and show the position.
  void tmLoaderTimer();

  int LoadPosition = 0;
  int FinalPosition = 0;
  // Receives each infinitive the loader reads (the conjugator's verb box).
  std::function<void(const std::string&)> OnInfinitive;

  QLabel* imgSplash = nullptr;
  QProgressBar* prLoading = nullptr;
  QTimer* tmLoader = nullptr;

 private:
  QElapsedTimer sincePump_;
};

}  // namespace parlavo

#include "loading_splash.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

#include "pictures.h"
#include "round_half_even.h"

namespace parlavo {

namespace {
constexpr int kPumpIntervalMs = 16;
}

TfrmLoadingSplash::TfrmLoadingSplash(QWidget* owner)
    // Not kept on top: after a failed load it stays up behind the error message.
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName("TfrmLoadingSplash");
  setWindowTitle("Loading verb database please wait...");
  setFixedSize(332, 227);

  imgSplash = new QLabel(this);
  imgSplash->setObjectName("imgSplash");
  imgSplash->setGeometry(0, 0, 332, 227);
  imgSplash->setPixmap(UnsharedPicture("splash"));

  prLoading = new QProgressBar(this);
  prLoading->setObjectName("prLoading");
  prLoading->setGeometry(16, 171, 305, 25);
  prLoading->setRange(0, 1000);
  prLoading->setValue(0);
  prLoading->setTextVisible(false);

  tmLoader = new QTimer(this);
  tmLoader->setObjectName("tmLoader");
  tmLoader->setInterval(200);
  connect(tmLoader, &QTimer::timeout, this, &TfrmLoadingSplash::tmLoaderTimer);
  tmLoader->start();
}

void TfrmLoadingSplash::LoadStarted() {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  show();
  sincePump_.start();
  QCoreApplication::processEvents();
}

void TfrmLoadingSplash::AddInfinitive(const std::string& infinitive) {
  if (OnInfinitive) OnInfinitive(infinitive);
}

void TfrmLoadingSplash::ProcessPendingMessages() {
  if (sincePump_.isValid() && sincePump_.elapsed() < kPumpIntervalMs) return;
  sincePump_.start();
  QCoreApplication::processEvents();
}

void TfrmLoadingSplash::tmLoaderTimer() {
  LoadPosition = RoundHalfEven(LoadPosition * 1.001);
  prLoading->setValue(std::clamp(LoadPosition, prLoading->minimum(), prLoading->maximum()));
}

}  // namespace parlavo

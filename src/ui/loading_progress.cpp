#include "loading_progress.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

#include "fonts.h"
#include "pictures.h"
#include "round_half_even.h"

namespace parlavo {

TfrmLoading::TfrmLoading(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("TfrmLoading");
  setWindowTitle("Processing verbs please wait...");
  setFixedSize(482, 74);
  setFont(PixelFont("MS Sans Serif", 11));
  setStyleSheet("#TfrmLoading { border: 1px solid #1d3f7a; }");

  imgBand = new QLabel(this);
  imgBand->setObjectName("imgBand");
  imgBand->setGeometry(0, 0, 482, 74);
  imgBand->setPixmap(Picture("progress_band"));

  imgEmblem = new QLabel(this);
  imgEmblem->setObjectName("imgEmblem");
  imgEmblem->setGeometry(12, 13, 48, 48);
  imgEmblem->setPixmap(Picture("progress_emblem"));

  lbTitle = new QLabel("The verbs database is being loaded into the program, please wait.", this);
  lbTitle->setObjectName("lbTitle");
  lbTitle->setGeometry(72, 12, 398, 18);
  lbTitle->setFont(PixelFont("Arial", 13, true));

  prLoading = new QProgressBar(this);
  prLoading->setObjectName("prLoading");
  prLoading->setGeometry(72, 38, 398, 20);
  prLoading->setRange(0, 1000);
  prLoading->setTextVisible(false);

  tmLoader = new QTimer(this);
  tmLoader->setObjectName("tmLoader");
  tmLoader->setInterval(50);
  connect(tmLoader, &QTimer::timeout, this, &TfrmLoading::tmLoaderTimer);
  tmLoader->start();

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TfrmLoading::ShowProgress(const QString& title, int start, int maximum, bool counterText,
                               bool visibleAtFirstStep) {
  title_ = title;
  counterText_ = counterText;
  visibleAtFirstStep_ = visibleAtFirstStep;
  firstStepPending_ = true;
  lbTitle->setText(title);
  prLoading->setMaximum(std::max(0, maximum));
  counter_ = start;
  prLoading->setValue(std::clamp(start, prLoading->minimum(), prLoading->maximum()));
  show();
  repaint();
}

void TfrmLoading::StepProgress() {
  ++counter_;
  if (firstStepPending_) {
    setVisible(visibleAtFirstStep_);
    firstStepPending_ = false;
  }
}

void TfrmLoading::tmLoaderTimer() {
  if (counterText_)
    lbTitle->setText(title_ + QString::number(counter_) + " of " + QString::number(prLoading->maximum()));
  counter_ = RoundHalfEven(counter_ * 1.001);
  prLoading->setValue(std::clamp(counter_, prLoading->minimum(), prLoading->maximum()));
}

SelectionProgress ProgressStepper(TfrmLoading* progress) {
  if (!progress) return {};
  auto pumped = std::make_shared<QElapsedTimer>();
  pumped->start();
  return [progress, pumped](std::size_t, std::size_t) {
    progress->StepProgress();
    if (pumped->elapsed() >= 16) {
      pumped->restart();
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
  };
}

}  // namespace parlavo

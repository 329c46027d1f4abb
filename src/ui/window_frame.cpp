#include "window_frame.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "clickable_label.h"
#include "fonts.h"
#include "page_control.h"
#include "pictures.h"
#include "place.h"

namespace parlavo {

WindowBorder::WindowBorder(QWidget* window) : QWidget(window) {
  setObjectName("WindowBorder");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(window->rect());
}

void WindowBorder::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) break;
      source_ = watched;
      offset_ = mouse->globalPosition().toPoint() - window_->frameGeometry().topLeft();
      return true;
    }
    case QEvent::MouseMove:
      if (source_ == watched && (static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton)) {
        window_->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - offset_);
        return true;
      }
      break;
    case QEvent::MouseButtonRelease:
      if (source_ == watched) {
        source_ = nullptr;
        return true;
      }
      break;
    default: break;
  }
  return QObject::eventFilter(watched, event);
}

NavigationStrip::NavigationStrip(QWidget* window, std::span<const Button> buttons) : QFrame(window) {
  setObjectName("Panel1");
  setGeometry(0, 0, 79, 385);
  setAutoFillBackground(true);
  auto* logo = Place<QLabel>(this, "imgLogo", 0, 0, 79, 40);
  logo->setPixmap(Picture("logo"));
  logo->setAttribute(Qt::WA_TransparentForMouseEvents);
  for (const Button& button : buttons) {
    // The lower (blue) image is created first so that the upper one covers it.
    for (bool upper : {false, true}) {
      auto* image = Place<ClickableLabel>(this, upper ? button.upperName : button.lowerName, 3, button.top, 72, 35);
      image->setPixmap(Picture(QString("nav_%1_%2").arg(button.face, upper ? "grey" : "blue")));
      image->Tag = button.page;
      connect(image, &ClickableLabel::clicked, this, [this, image] { emit pageClicked(image->Tag); });
      if (upper) upper_[button.page] = image;
    }
  }
  auto* close = Place<ClickableLabel>(this, "Image7", 3, 336, 72, 35);  // "CLOSE"
  close->setPixmap(Picture("nav_close_white"));
  connect(close, &ClickableLabel::clicked, this, &NavigationStrip::closeClicked);
}

ClickableLabel* NavigationStrip::UpperImage(int page) const {
  const auto found = upper_.find(page);
  return found == upper_.end() ? nullptr : found->second;
}

void NavigationStrip::ShowCurrent(int page) {
  if (page == shown_) return;
  if (ClickableLabel* shown = UpperImage(shown_)) shown->show();
  if (ClickableLabel* current = UpperImage(page)) current->hide();
  shown_ = page;
}

CaptionButtons::CaptionButtons(QWidget* window) : QFrame(window) {
  setObjectName("Panel2");
  setGeometry(596, 2, 33, 15);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  auto* minimise = Place<ClickableLabel>(this, "Image17", 1, 0, 15, 15);
  minimise->setPixmap(Picture("minimise"));
  minimise->setToolTip("Minimise");
  auto* close = Place<ClickableLabel>(this, "Image18", 17, 0, 15, 15);
  close->setPixmap(Picture("close"));
  close->setToolTip("Close");
  connect(minimise, &ClickableLabel::clicked, this, &CaptionButtons::minimiseClicked);
  connect(close, &ClickableLabel::clicked, this, &CaptionButtons::closeClicked);
}

void AddPage(TPageControl* pages, QWidget* page, const char* name, const QString& caption, const QString& title,
             bool whiteGround, WindowDrag* drag) {
  page->setObjectName(name);
  page->setAutoFillBackground(true);
  QPalette ground = page->palette();
  ground.setColor(QPalette::Window, whiteGround ? QColor(Qt::white) : QColor(0xc0, 0xc0, 0xc0));
  page->setPalette(ground);
  pages->addTab(page, caption);
  if (title.isEmpty()) return;
  auto* band = Place<QLabel>(page, (QString(name) + "Band").toLatin1().constData(), 0, 0, 554, 40);
  band->setPixmap(Picture("header"));
  band->installEventFilter(drag);
  auto* label = Place<QLabel>(page, (QString(name) + "Title").toLatin1().constData(), 8, 5, 300, 32);
  label->setText(title);
  label->setFont(PixelFont("Arial Narrow", 27));
  SetTextColour(label, Qt::white);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  // Under the page's own controls, which may stand on the band.
  label->lower();
  band->lower();
}

}  // namespace parlavo

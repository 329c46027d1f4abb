#include "button_tabs.h"

#include <QPainter>

namespace parlavo {

namespace {
constexpr int kMargin = 1;    // around each button
constexpr int kPaddingX = 6;  // between the border and the caption
constexpr int kPaddingY = 3;
constexpr qreal kRadius = 3.0;
}  // namespace

ButtonTabBar::ButtonTabBar(QWidget* parent) : QTabBar(parent) {
  setDrawBase(false);
  setExpanding(false);
  setUsesScrollButtons(false);
}

QSize ButtonTabBar::tabSizeHint(int index) const {
  const QSize text = fontMetrics().size(Qt::TextShowMnemonic, tabText(index));
  return {text.width() + 2 * (kPaddingX + 1 + kMargin), text.height() + 2 * (kPaddingY + 1 + kMargin)};
}

void ButtonTabBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < count(); ++i) {
    const bool chosen = i == currentIndex();
    const QRectF button = QRectF(tabRect(i)).adjusted(kMargin + 0.5, kMargin + 0.5, -kMargin - 0.5, -kMargin - 0.5);
    painter.setPen(chosen ? QColor(0x3f, 0x6f, 0x9f) : QColor(0x7a, 0x7a, 0x7a));
    painter.setBrush(chosen ? QColor(0xa9, 0xd3, 0xf5) : QColor(0xdc, 0xdc, 0xdc));
    painter.drawRoundedRect(button, kRadius, kRadius);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(button, Qt::AlignCenter | Qt::TextShowMnemonic, tabText(i));
  }
}

ButtonTabs::ButtonTabs(QWidget* parent) : QTabWidget(parent) { setTabBar(new ButtonTabBar(this)); }

}  // namespace parlavo

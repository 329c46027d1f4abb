#include "clickable_label.h"

#include <QMouseEvent>

namespace parlavo {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) { setCursor(Qt::PointingHandCursor); }

// Taking the press keeps it from reaching the strip behind, which would start a
// window drag.
void ClickableLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace parlavo

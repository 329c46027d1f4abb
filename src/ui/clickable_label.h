// A picture or text that acts on a click, like the navigation images, the window
// glyphs and the web link. `Tag` carries the page a navigation image leads to.
#pragma once

#include <QLabel>

namespace parlavo {

class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickableLabel(QWidget* parent = nullptr);
  int Tag = -1;

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace parlavo

// A page control whose tabs look like push buttons, the chosen one lit. Drawn by
// hand rather than by a style sheet, which would send the control and all it holds
// through Qt's much slower style-sheet style at every start.
#pragma once

#include <QTabBar>
#include <QTabWidget>

namespace parlavo {

class ButtonTabBar : public QTabBar {
 public:
  explicit ButtonTabBar(QWidget* parent = nullptr);

 protected:
  QSize tabSizeHint(int index) const override;
  void paintEvent(QPaintEvent* event) override;
};

class ButtonTabs : public QTabWidget {
 public:
  explicit ButtonTabs(QWidget* parent = nullptr);
};

}  // namespace parlavo

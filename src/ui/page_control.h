// The main page area: a tab widget whose tab row is never shown. Ctrl+Tab and
// Ctrl+Shift+Tab step through the pages whose tab counts as visible; only that
// stepping is a change made by the user and reports pageChangedByUser.
#pragma once

#include <QTabWidget>
#include <vector>

namespace parlavo {

class TPageControl : public QTabWidget {
  Q_OBJECT
 public:
  explicit TPageControl(QWidget* parent = nullptr);

  // Whether Ctrl+Tab may stop on the page. The tab row itself stays hidden, so a
  // page with a hidden tab is still reachable from code.
  void setPageTabVisible(int index, bool visible);
  bool isPageTabVisible(int index) const;
  // The page Ctrl+Tab (step +1) or Ctrl+Shift+Tab (step -1) leads to; the current
  // page when no other tab is visible.
  int NextVisiblePage(int step) const;

 signals:
  void pageChangedByUser();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void tabInserted(int index) override;
  void tabRemoved(int index) override;

 private:
  std::vector<bool> tabVisible_;
};

}  // namespace parlavo

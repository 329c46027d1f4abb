#include "page_control.h"

#include <QKeyEvent>
#include <QTabBar>

namespace parlavo {

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent) {
  tabBar()->hide();
  setDocumentMode(true);  // no frame around the pages
}

void TPageControl::setPageTabVisible(int index, bool visible) {
  if (index >= 0 && index < static_cast<int>(tabVisible_.size())) tabVisible_[index] = visible;
}

bool TPageControl::isPageTabVisible(int index) const {
  return index >= 0 && index < static_cast<int>(tabVisible_.size()) && tabVisible_[index];
}

int TPageControl::NextVisiblePage(int step) const {
  const int n = count();
  int page = currentIndex();
  for (int pass = 0; pass < n; ++pass) {
    page = ((page + step) % n + n) % n;
    if (isPageTabVisible(page)) return page;
  }
  return currentIndex();
}

void TPageControl::keyPressEvent(QKeyEvent* event) {
  const bool tabKey = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
  if (tabKey && (event->modifiers() & Qt::ControlModifier)) {
    const bool back = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
    const int page = NextVisiblePage(back ? -1 : 1);
    event->accept();
    if (page != currentIndex()) {
      setCurrentIndex(page);
      emit pageChangedByUser();
    }
    return;
  }
  QTabWidget::keyPressEvent(event);
}

void TPageControl::tabInserted(int index) {
  tabVisible_.insert(tabVisible_.begin() + index, true);
  QTabWidget::tabInserted(index);
}

void TPageControl::tabRemoved(int index) {
  if (index >= 0 && index < static_cast<int>(tabVisible_.size())) tabVisible_.erase(tabVisible_.begin() + index);
  QTabWidget::tabRemoved(index);
}

}  // namespace parlavo

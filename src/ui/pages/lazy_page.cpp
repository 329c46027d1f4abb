#include "lazy_page.h"

#include <QResizeEvent>

namespace parlavo {

LazyPage::LazyPage(QWidget* parent) : QWidget(parent) {}

void LazyPage::EnsureBuilt() {
  if (content_) return;
  // A holder of their own, shown with them: controls made while the page is being
  // shown would otherwise stay hidden.
  content_ = new QWidget(this);
  content_->setObjectName(objectName() + "Controls");
  content_->setGeometry(rect());
  Build(content_);
  content_->show();
}

void LazyPage::showEvent(QShowEvent* event) {
  EnsureBuilt();
  QWidget::showEvent(event);
}

void LazyPage::resizeEvent(QResizeEvent* event) {
  if (content_) content_->resize(event->size());
  QWidget::resizeEvent(event);
}

}  // namespace parlavo

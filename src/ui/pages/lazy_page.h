// A page that makes its controls the first time it is shown: the start-up builds
// only what the first page shows, and a page most runs never visit costs nothing.
#pragma once

#include <QWidget>
#include <functional>
#include <utility>

namespace parlavo {

class LazyPage : public QWidget {
  Q_OBJECT
 public:
  explicit LazyPage(QWidget* parent = nullptr);

  // Makes the controls now if they are not yet made.
  void EnsureBuilt();
  bool Built() const { return content_ != nullptr; }

 protected:
  // Makes the page's controls as children of `holder`, which covers the page.
  virtual void Build(QWidget* holder) = 0;

  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* content_ = nullptr;
};

// A part of a page made when first shown, by a function of the page.
class LazyPart : public LazyPage {
 public:
  explicit LazyPart(std::function<void(QWidget* holder)> build) : build_(std::move(build)) {}

 protected:
  void Build(QWidget* holder) override { build_(holder); }

 private:
  std::function<void(QWidget*)> build_;
};

}  // namespace parlavo

// What a borderless window needs to look and behave like a window: a thin border,
// the navigation strip with its image buttons, the minimise and close images, and
// dragging by the strip or a page's header band.
#pragma once

#include <QFrame>
#include <QObject>
#include <QPoint>
#include <QString>
#include <map>
#include <span>

namespace parlavo {

class ClickableLabel;
class TPageControl;

// A thin dark line drawn over the edge of the client area keeps the window apart
// from what lies behind.
class WindowBorder : public QWidget {
 public:
  explicit WindowBorder(QWidget* window);

 protected:
  void paintEvent(QPaintEvent*) override;
};

// Moves the window while the left button drags a widget it watches.
class WindowDrag : public QObject {
 public:
  explicit WindowDrag(QWidget* window) : QObject(window), window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  QObject* source_ = nullptr;
  QPoint offset_;
};

// "Panel1": the logo, a grey/blue image pair per page and "CLOSE". The upper (grey)
// image of the current page is hidden, so its blue one shows.
class NavigationStrip : public QFrame {
  Q_OBJECT
 public:
  struct Button {
    const char* upperName;
    const char* lowerName;
    const char* face;  // pictures "nav_<face>_grey" and "nav_<face>_blue"
    int top;
    int page;
  };
  NavigationStrip(QWidget* window, std::span<const Button> buttons);

  // Shows `page` as the current one; the page shown before gets its grey image back.
  void ShowCurrent(int page);
  int Shown() const { return shown_; }
 signals:
  void pageClicked(int page);
  void closeClicked();  // "CLOSE"

 private:
  // The upper (grey) image of `page`; null for pages without one.
  ClickableLabel* UpperImage(int page) const;

  std::map<int, ClickableLabel*> upper_;  // by page
  int shown_ = -99;
};

// "Panel2": the minimise and close images at the top right.
class CaptionButtons : public QFrame {
  Q_OBJECT
 public:
  explicit CaptionButtons(QWidget* window);

 signals:
  void minimiseClicked();
  void closeClicked();
};

// Adds `page` to `pages` under its object name, with its header band and title when
// `title` is given (the band is a handle for `drag`).
void AddPage(TPageControl* pages, QWidget* page, const char* name, const QString& caption, const QString& title,
             bool whiteGround, WindowDrag* drag);

}  // namespace parlavo

// The "HELP" page: a grid of topic buttons, each opening the help file at its
// context number, and the link to the web page. The buttons are made when the page
// is first shown.
#pragma once

#include "lazy_page.h"

namespace parlavo {

class HelpPage : public LazyPage {
  Q_OBJECT
 public:
  explicit HelpPage(QWidget* parent = nullptr);

 signals:
  // A topic button: the help file's context number to open.
  void topicRequested(int context);
  // "www.parlavo.app".
  void webPageRequested();

 protected:
  void Build(QWidget* holder) override;
};

}  // namespace parlavo

// The "HELP" page: a grid of topic buttons, each opening the help file at its
// context number, and the link to the web page.
#pragma once

#include <QWidget>

namespace parlavo {

class HelpPage : public QWidget {
  Q_OBJECT
 public:
  explicit HelpPage(QWidget* parent = nullptr);

 signals:
  // A topic button: the help file's context number to open.
  void topicRequested(int context);
  // "www.parlavo.app".
  void webPageRequested();
};

}  // namespace parlavo

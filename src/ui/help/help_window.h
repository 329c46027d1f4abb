// The program's help viewer: one window that shows a topic of the help file by
// context number, follows links between topics, and goes back through the
// topics seen.
#pragma once

#include "help_file.h"

#include <QString>
#include <QWidget>

#include <vector>

class QPushButton;
class QTextBrowser;
class QUrl;

namespace parlavo {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Reads the help file again (it may have changed or appeared) and shows the
  // topic; a missing file or topic, a file over kLargestHelpFile or a topic with
  // a line over kLongestHelpLine shows a message in its place. `filesNote` (one
  // line, where the learner's files are) stands wherever the file says {{files}}.
  void Open(const QString& helpFile, int context, const QString& filesNote = {});
  // Shows a topic of the file already read, remembering the current one for Back.
  void ShowTopic(int context);

  int CurrentContext() const { return current_; }
  QString CurrentTitle() const;

 private slots:
  void Back();
  void Index();
  void FollowLink(const QUrl& url);

 private:
  void Display(int context);
  void ShowMessage(const QString& message);

  QTextBrowser* browser_;
  QPushButton* back_;
  QPushButton* index_;
  QString fileName_;  // bare name, for messages
  bool fileFound_ = false;
  bool fileTooLarge_ = false;
  HelpFile file_;
  int current_ = -1;
  std::vector<int> history_;
};

// Opens the one help window at `context`, creating it on first use and bringing
// it to the front afterwards. Returns it so callers and tests can look at it.
HelpWindow* ShowHelpTopic(const QString& helpFile, int context, const QString& filesNote = {});

}  // namespace parlavo

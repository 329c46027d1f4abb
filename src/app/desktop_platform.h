// The desktop's services behind the window's Platform interface.
#pragma once

#include <memory>
#include <utility>

#include "app_folders.h"
#include "platform.h"

class QMessageBox;

namespace parlavo {

class DesktopPlatform : public Platform {
 public:
  // With quietMessages the message boxes go to standard error instead, for runs
  // without a user (screenshots).
  explicit DesktopPlatform(AppFolders folders, bool quietMessages = false)
      : folders_(std::move(folders)), quietMessages_(quietMessages) {}

  int OemCodePage() override;
  void Beep() override;
  double TimeOfDay() override;
  void ShowHelp(int context) override;
  bool OpenWebPage(const QString& address) override;
  QString ProgramFolder() override;
  FileLocations Files() override { return folders_.files; }
  void ShowMessage(const QString& title, const QString& text, MessageIcon icon) override;

  // The box that ShowMessage runs, with an OK button. Its text is plain: messages
  // quote what files hold (a bad results line, a verb, a file name), and none of
  // that may ever be read as markup.
  static std::unique_ptr<QMessageBox> MessageBox(const QString& title, const QString& text, MessageIcon icon);

 private:
  AppFolders folders_;
  bool quietMessages_;
};

}  // namespace parlavo

// The desktop's services behind the window's Platform interface.
#pragma once

#include "platform.h"

namespace parlavo {

class DesktopPlatform : public Platform {
 public:
  // With quietMessages the message boxes go to standard error instead, for runs
  // without a user (screenshots).
  explicit DesktopPlatform(bool quietMessages = false) : quietMessages_(quietMessages) {}

  int OemCodePage() override;
  void Beep() override;
  double TimeOfDay() override;
  void ShowHelp(int context) override;
  bool OpenWebPage(const QString& address) override;
  QString ProgramFolder() override;
  void ShowMessage(const QString& title, const QString& text, MessageIcon icon) override;

  // The help file lives beside the program.
  QString HelpFile();

 private:
  bool quietMessages_;
};

}  // namespace parlavo

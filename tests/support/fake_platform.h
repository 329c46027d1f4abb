// A Platform that records what the window asks of the system, with a clock the test
// sets; nothing beeps, opens or blocks.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "platform.h"

namespace parlavo::testing {

struct ShownMessage {
  QString title;
  QString text;
  MessageIcon icon;
};

class FakePlatform : public Platform {
 public:
  int codePage = 437;
  double now = 0.5;  // noon
  bool webPageOpens = true;
  QString programFolder;
  std::optional<FileLocations> files;  // unset: the portable layout around programFolder
  int beeps = 0;
  std::vector<int> helpContexts;
  std::vector<QString> webPages;
  std::vector<ShownMessage> messages;

  int OemCodePage() override { return codePage; }
  void Beep() override { ++beeps; }
  double TimeOfDay() override { return now; }
  void ShowHelp(int context) override { helpContexts.push_back(context); }
  bool OpenWebPage(const QString& address) override {
    webPages.push_back(address);
    return webPageOpens;
  }
  QString ProgramFolder() override { return programFolder; }
  FileLocations Files() override { return files ? *files : FileLocations::Portable(programFolder); }
  void ShowMessage(const QString& title, const QString& text, MessageIcon icon) override {
    messages.push_back({title, text, icon});
  }

  static constexpr double kSecond = 1.0 / 86400.0;
};

}  // namespace parlavo::testing

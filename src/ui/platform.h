// The services of the operating system that the window needs. The program runs with
// the desktop's; tests put in their own, so nothing beeps, opens or blocks.
#pragma once

#include <QString>

#include "file_locations.h"
#include "notice.h"

namespace parlavo {

enum class MessageIcon { None, Information, Exclamation, Error };

class Platform {
 public:
  virtual ~Platform() = default;

  // The system's OEM code page; only 437 and 850 suit the keyboard handling.
  virtual int OemCodePage() = 0;
  virtual void Beep() = 0;
  // Local time of day as a fraction of a day, with milliseconds.
  virtual double TimeOfDay() = 0;
  // Opens the help file at a context number.
  virtual void ShowHelp(int context) = 0;
  // False when nothing on the system can open a web page; nothing is shown then.
  virtual bool OpenWebPage(const QString& address) = 0;
  // The folder of the executable, ending in "/".
  virtual QString ProgramFolder() = 0;
  // Where the settings, the verb data, the results, the exports and the help are.
  virtual FileLocations Files() = 0;
  // A modal message box with an OK button.
  virtual void ShowMessage(const QString& title, const QString& text, MessageIcon icon) = 0;
};

// Each notice in turn as a message box; with `quiet` (a logout, a signal: nobody is
// there to press OK) written to the log instead.
void ShowNotices(Platform& platform, const Notices& notices, bool quiet = false);

}  // namespace parlavo

// One window at a time in a temporary folder that is both the program folder and the
// current folder, with a small "verb.ini" and a replaced platform: what a run leaves
// behind ("Parlavo.ini", "Results.txt") can be read back, and a second window can
// start on it.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>

#include "fake_platform.h"
#include "main_window.h"
#include "verb_ini_fixture.h"

namespace parlavo::testing {

// Key by key; letters outside ASCII arrive as the text of their key press, as a
// keyboard with accents sends them.
inline void Type(QWidget* box, const QString& text) {
  for (QChar c : text) {
    if (c.unicode() < 128)
      QTest::keyClick(box, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

// tener with its file forms (tengo is irregular, the imperfect is generated), ser, ir.
inline constexpr const char* kTesterVerbs =
    "@tener;to have\r\n01:tengo,tienes,tiene,,tienen,\r\n\r\n@ser;to be\r\n\r\n@ir;to go\r\n\r\n";

class WindowSession {
 public:
  WindowSession() : oldCurrent_(QDir::currentPath()) {
    QDir::setCurrent(dir_.path());
    platform.programFolder = dir_.path() + "/";
  }
  ~WindowSession() {
    window.reset();
    QDir::setCurrent(oldCurrent_);
  }
  WindowSession(const WindowSession&) = delete;
  WindowSession& operator=(const WindowSession&) = delete;

  bool Valid() const { return dir_.isValid(); }
  bool WriteVerbs(const std::string& body = kTesterVerbs) { return WriteVerbIni("verb.ini", body); }
  static bool WriteFile(const QString& name, const QByteArray& content) {
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
  }
  static QByteArray ReadFile(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // A new window on the folder, shown.
  TfrmVerbTester& Open() {
    window = std::make_unique<TfrmVerbTester>(platform);
    window->show();
    (void)QTest::qWaitForWindowExposed(window.get());
    return *window;
  }
  // Destroying the window runs the shutdown: results, current filter and options saved.
  void Close() { window.reset(); }

  FakePlatform platform;
  std::unique_ptr<TfrmVerbTester> window;

 private:
  QTemporaryDir dir_;
  QString oldCurrent_;
};

}  // namespace parlavo::testing

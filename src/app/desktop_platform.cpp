#include "desktop_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTime>
#include <QUrl>
#include <iostream>

#include "help_window.h"
#include "oem_code_page.h"

namespace parlavo {

int DesktopPlatform::OemCodePage() { return CurrentOemCodePage(); }

void DesktopPlatform::Beep() { QApplication::beep(); }

double DesktopPlatform::TimeOfDay() { return QTime::currentTime().msecsSinceStartOfDay() / 86400000.0; }

void DesktopPlatform::ShowHelp(int context) {
  ShowHelpTopic(folders_.files.helpFile, context, DescribeAppFolders(folders_));
}

bool DesktopPlatform::OpenWebPage(const QString& address) {
  if (address.isEmpty()) return false;
  return QDesktopServices::openUrl(QUrl(address));
}

QString DesktopPlatform::ProgramFolder() { return ExecutableFolder(); }

std::unique_ptr<QMessageBox> DesktopPlatform::MessageBox(const QString& title, const QString& text, MessageIcon icon) {
  QMessageBox::Icon shown = QMessageBox::NoIcon;
  if (icon == MessageIcon::Information) shown = QMessageBox::Information;
  if (icon == MessageIcon::Exclamation) shown = QMessageBox::Warning;
  if (icon == MessageIcon::Error) shown = QMessageBox::Critical;
  auto box = std::make_unique<QMessageBox>(shown, title, QString(), QMessageBox::Ok, QApplication::activeWindow());
  box->setTextFormat(Qt::PlainText);
  box->setText(text);
  return box;
}

void DesktopPlatform::ShowMessage(const QString& title, const QString& text, MessageIcon icon) {
  if (quietMessages_) {
    std::cerr << title.toStdString() << ": " << text.toStdString() << '\n';
    return;
  }
  MessageBox(title, text, icon)->exec();
}

}  // namespace parlavo

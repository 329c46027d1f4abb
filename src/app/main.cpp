// Program entry: the window, or one of the exports without a window.
#include <CLI/CLI.hpp>
#include <QApplication>
#include <QIcon>
#include <iostream>

#include "app_folders.h"
#include "desktop_platform.h"
#include "export_command.h"
#include "fonts.h"
#include "main_window.h"
#include "screenshots.h"

namespace {

int RunWindow(int argc, char** argv, const std::string& screenshotDir) {
  const bool screenshots = !screenshotDir.empty();
  if (screenshots && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName("Parlavo");
  QApplication::setApplicationDisplayName("Parlavo");
  QApplication::setApplicationVersion(PARLAVO_VERSION);
  QApplication::setDesktopFileName("app.parlavo.Parlavo");  // the menu entry, so the desktop shows its icon
  QIcon icon;
  for (int size : {48, 128, 256}) icon.addFile(QString(":/icons/parlavo-%1.png").arg(size));
  QApplication::setWindowIcon(icon);
  parlavo::InstallFontSubstitutes();

  const parlavo::AppFolders folders = parlavo::DecideAppFolders(parlavo::ExecutableFolder());
  parlavo::DesktopPlatform platform(folders, screenshots);
  const QString problem = parlavo::PrepareAppFolders(folders);
  if (!problem.isEmpty()) platform.ShowMessage("Error", problem, parlavo::MessageIcon::Error);
  parlavo::TfrmVerbTester window(platform);
  if (screenshots) return parlavo::TakeScreenshots(window, QString::fromStdString(screenshotDir)) ? 0 : 1;
  // Closing the main window ends the program, even with the help window still open.
  QApplication::setQuitOnLastWindowClosed(false);
  QObject::connect(&window, &parlavo::TfrmVerbTester::Closed, &app, &QCoreApplication::quit);
  window.show();
  return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App cli{"Parlavo - Verb Tutor: practise the conjugation of Spanish verbs.", "parlavo"};
  bool exportAll = false;
  bool exportSpecial = false;
  std::string screenshotDir;
  cli.set_version_flag("--version", std::string("parlavo ") + PARLAVO_VERSION);
  cli.add_flag("--export-all", exportAll, "Write AllVerbs.txt into the current folder and exit");
  cli.add_flag("--export-special", exportSpecial, "Write SpecialVerbs.txt into the current folder and exit");
  cli.add_option("--screenshots", screenshotDir, "Write a picture of every page to this folder and exit");
  cli.allow_extras();  // Qt's own options (-platform, -style...) pass through
  CLI11_PARSE(cli, argc, argv);
  // Qt's options start with a single dash; anything else unknown is a mistake.
  for (const std::string& extra : cli.remaining()) {
    if (extra.rfind("--", 0) == 0) {
      std::cerr << "The following argument was not expected: " << extra << "\nRun with --help for more information.\n";
      return 109;  // CLI11's status for extra arguments
    }
  }

  if (exportAll || exportSpecial) {
    QCoreApplication core(argc, argv);  // only to find the program's folder
    const std::string verbFile = parlavo::FilePath(parlavo::DecideAppFolders(parlavo::ExecutableFolder()).files.verbFile);
    int status = 0;
    if (exportAll) status = parlavo::RunExportCommand(parlavo::ExportKind::AllVerbs, std::cerr, verbFile);
    if (status == 0 && exportSpecial)
      status = parlavo::RunExportCommand(parlavo::ExportKind::SpecialVerbs, std::cerr, verbFile);
    return status;
  }
  return RunWindow(argc, argv, screenshotDir);
}

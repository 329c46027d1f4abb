// Program entry: the window, or one of the exports without a window.
#include <CLI/CLI.hpp>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QTemporaryDir>
#include <iostream>
#include <malloc.h>

#include "app_folders.h"
#include "desktop_platform.h"
#include "export_command.h"
#include "fonts.h"
#include "instance_lock.h"
#include "main_window.h"
#include "screenshots.h"
#include "shutdown_signals.h"
#include "style_pictures.h"
#include "stale_temporaries.h"

namespace {

int RunWindow(int argc, char** argv, const std::string& screenshotDir) {
  const bool screenshots = !screenshotDir.empty();
  if (screenshots && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // No display name: Qt would add it to every caption the desktop shows, and the
  // caption is exactly "Parlavo - Verb Tutor".
  QApplication::setApplicationName("Parlavo");
  QApplication::setApplicationVersion(PARLAVO_VERSION);
  QApplication::setDesktopFileName("app.parlavo.Parlavo");  // the menu entry, so the desktop shows its icon
  parlavo::LoadStylePictures();
  // The sizes a window's icon is given in; every size added is decoded at the start
  // (a 256-pixel one cost about 10 ms and was never used). Menus and launchers take
  // the larger ones from the installed icon theme.
  QIcon icon;
  for (int size : {48, 128}) {
    // Read as what it is: told nothing, Qt would load every image plugin to ask it
    // about a PNG before its own reader.
    QImageReader reader(QString(":/icons/parlavo-%1.png").arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    icon.addPixmap(QPixmap::fromImage(reader.read()));
  }
  QApplication::setWindowIcon(icon);
  parlavo::InstallFontSubstitutes();

  const parlavo::AppFolders folders = parlavo::DecideAppFolders(parlavo::ExecutableFolder());
  // Without a screen nobody can answer a message box: messages go to standard error.
  const QString screen = QGuiApplication::platformName();
  parlavo::DesktopPlatform platform(folders, screenshots || screen == "offscreen" || screen == "minimal");
  const QString problem = parlavo::PrepareAppFolders(folders);
  if (!problem.isEmpty()) platform.ShowMessage("Error", problem, parlavo::MessageIcon::Error);
  if (screenshots) {
    // The pictures show a sample of results laid out for them, never the learner's.
    QTemporaryDir sample;
    parlavo::AppFolders sampleFolders = folders;
    sampleFolders.files.dataFolder = sample.path() + "/";
    if (!sample.isValid() || !parlavo::LayOutSampleResults(sampleFolders.files.dataFolder)) {
      std::cerr << "Could not lay out the sample results\n";
      return 1;
    }
    parlavo::DesktopPlatform samplePlatform(sampleFolders, true);
    parlavo::TfrmVerbTester window(samplePlatform);
    return parlavo::TakeScreenshots(window, QString::fromStdString(screenshotDir)) ? 0 : 1;
  }

  // The signals are caught before the lock exists, so whoever sees the lock file
  // can count on a polite end; they act once the window runs.
  parlavo::TfrmVerbTester* running = nullptr;
  bool closed = false;
  bool stopRequested = false;  // a signal came while the window was still being built
  parlavo::ShutdownSignals shutdownSignals([&] {
    stopRequested = true;
    if (running && !closed) running->EndQuietly();
    QCoreApplication::quit();
  });

  // One lock for the settings' folder and one for the results' (one when they are the same).
  const QFileInfo settings(folders.files.settingsFile);
  const QString settingsFolder = settings.absolutePath();
  const QString dataFolder = folders.files.dataFolder.isEmpty() ? QDir::currentPath() : folders.files.dataFolder;
  const parlavo::InstanceLock lock({settingsFolder, dataFolder});
  if (!lock.Held()) {
    platform.ShowMessage("Parlavo", parlavo::AlreadyRunningMessage(lock.BusyFolder()),
                         parlavo::MessageIcon::Information);
    return 1;
  }
  // Only now, with no other copy in the middle of a save, are leftovers safe to remove:
  // beside our files, and beside the target of a file that is a link (saves are made there).
  parlavo::RemoveStaleTemporaries(parlavo::FilePath(settingsFolder), {parlavo::FilePath(settings.fileName())});
  parlavo::RemoveStaleTemporaries(parlavo::FilePath(dataFolder),
                                  {"Results.txt", "History.txt", "AllVerbs.txt", "SpecialVerbs.txt"});
  for (const QString& file : {folders.files.settingsFile, folders.files.DataFile("Results.txt")}) {
    const QFileInfo info(file);
    if (!info.isSymLink()) continue;
    const QFileInfo target(info.canonicalFilePath());
    if (target.exists())
      parlavo::RemoveStaleTemporaries(parlavo::FilePath(target.absolutePath()), {parlavo::FilePath(target.fileName())});
  }

  parlavo::TfrmVerbTester window(platform);
  running = &window;
  if (stopRequested) {
    window.EndQuietly();
    return 0;
  }
  // Closing the main window ends the program, even with the help window still open.
  QApplication::setQuitOnLastWindowClosed(false);
  QObject::connect(&window, &parlavo::TfrmVerbTester::Closed, &app, [&] {
    closed = true;
    QCoreApplication::quit();
  });
  // A desktop session that ends: the work is saved when the session manager asks,
  // and the session's end runs the shutdown of CLOSE without waiting for anyone.
#ifndef QT_NO_SESSIONMANAGER
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window] { window.SaveQuietly(); });
#endif
  QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, [&] {
    if (!closed) window.EndQuietly();
  });
  window.show();
  return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
  // One heap for the program's few threads (the verbs load on one of their own): a
  // heap per thread keeps its freed pages, about 0.3 MB of a start.
  mallopt(M_ARENA_MAX, 1);
  // The start allocates and frees in bursts (pictures, icons, the loader's scratch):
  // a heap that grows a megabyte at a time and gives back only what passes 2 MB does
  // not hand pages to the system to fault them in again moments later (about 2 ms).
  mallopt(M_TOP_PAD, 1 << 20);
  mallopt(M_TRIM_THRESHOLD, 2 << 20);
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
    const std::string verbFile =
        parlavo::FilePath(parlavo::DecideAppFolders(parlavo::ExecutableFolder()).files.verbFile);
    int status = 0;
    if (exportAll) status = parlavo::RunExportCommand(parlavo::ExportKind::AllVerbs, std::cerr, verbFile);
    if (status == 0 && exportSpecial)
      status = parlavo::RunExportCommand(parlavo::ExportKind::SpecialVerbs, std::cerr, verbFile);
    return status;
  }
  return RunWindow(argc, argv, screenshotDir);
}

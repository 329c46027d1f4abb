// The program's command line: the exports without a window, --version and --help.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "verb_ini_fixture.h"

class CommandLineTest : public QObject {
  Q_OBJECT

 private:
  struct Run {
    int status;
    QByteArray out;
    QByteArray err;
  };
  Run Parlavo(const QString& folder, const QStringList& arguments) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(PARLAVO_EXE, arguments);
    if (!process.waitForFinished(30000)) return {-1, {}, {}};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2, process.readAllStandardOutput(),
            process.readAllStandardError()};
  }
  static void WriteVerbIni(const QString& folder) {
    QVERIFY(parlavo::testing::WriteVerbIni(folder + "/verb.ini", "@ser;to be\r\n\r\n@ir;to go\r\n\r\n"));
  }

 private slots:
  void exportsWithoutAWindow_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("file");
    // clang-format off
    QTest::newRow("special") << "--export-special" << "SpecialVerbs.txt";
    QTest::newRow("all") << "--export-all" << "AllVerbs.txt";
    // clang-format on
  }
  void exportsWithoutAWindow() {
    QFETCH(QString, option);
    QFETCH(QString, file);
    QTemporaryDir dir;
    WriteVerbIni(dir.path());
    const Run run = Parlavo(dir.path(), {option});
    QCOMPARE(run.status, 0);
    QVERIFY(QFile::exists(dir.filePath(file)));
    QVERIFY2(run.err.isEmpty(), run.err.constData());
  }

  void exportWithoutDataFails() {
    QTemporaryDir dir;
    const Run run = Parlavo(dir.path(), {"--export-special"});
    QCOMPARE(run.status, 1);
    QVERIFY(run.err.contains("No verb datafile found"));
    QVERIFY(!QFile::exists(dir.filePath("SpecialVerbs.txt")));
  }

  void bothExportsInOneRun() {
    QTemporaryDir dir;
    WriteVerbIni(dir.path());
    QCOMPARE(Parlavo(dir.path(), {"--export-all", "--export-special"}).status, 0);
    QVERIFY(QFile::exists(dir.filePath("AllVerbs.txt")));
    QVERIFY(QFile::exists(dir.filePath("SpecialVerbs.txt")));
  }

  void versionAndHelp() {
    QTemporaryDir dir;
    const Run version = Parlavo(dir.path(), {"--version"});
    QCOMPARE(version.status, 0);
    QVERIFY2(version.out.startsWith("parlavo "), version.out.constData());
    const Run help = Parlavo(dir.path(), {"--help"});
    QCOMPARE(help.status, 0);
    for (const char* option : {"--export-all", "--export-special", "--screenshots", "--version"})
      QVERIFY2(help.out.contains(option), option);
  }

  void unknownOptionIsRefusedWithoutAWindow() {
    QTemporaryDir dir;
    const Run run = Parlavo(dir.path(), {"--no-such-option"});
    QVERIFY(run.status > 0);
    QVERIFY(run.err.contains("--no-such-option"));
  }

  // What a desktop shows as the window's name: the properties X holds for it, read
  // from a real X server (Xvfb) with xprop, as task bars read them.
  void theDesktopShowsTheCaptionExactly() {
    QProcess xvfb;
    xvfb.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
    QVERIFY2(xvfb.waitForStarted(10000), "Xvfb (package xvfb) is needed");
    QVERIFY(xvfb.waitForReadyRead(20000));
    const QString display = ":" + QString::fromLatin1(xvfb.readLine()).trimmed();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display);
    environment.insert("QT_QPA_PLATFORM", "xcb");

    QTemporaryDir dir;
    WriteVerbIni(dir.path());
    QProcess parlavo;
    parlavo.setProcessEnvironment(environment);
    parlavo.setWorkingDirectory(dir.path());
    parlavo.start(PARLAVO_EXE, QStringList{});
    QVERIFY(parlavo.waitForStarted(10000));

    auto x11 = [&](const QString& tool, const QStringList& arguments) {
      QProcess process;
      process.setProcessEnvironment(environment);
      process.start(tool, arguments);
      process.waitForFinished(10000);
      return QString::fromUtf8(process.readAllStandardOutput());
    };
    // The main window is the one of the program's size, 630 x 378. It can be mapped a
    // moment before its name is set, so the names are read until they come or time runs out.
    const QString expected =
        "_NET_WM_NAME(UTF8_STRING) = \"Parlavo - Verb Tutor\"\n"
        "WM_NAME(STRING) = \"Parlavo - Verb Tutor\"\n";
    QString window, names;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 60000 && names != expected) {
      window.clear();
      for (const QString& line : x11("xwininfo", {"-root", "-tree"}).split('\n'))
        if (line.contains("630x378")) window = line.trimmed().section(' ', 0, 0);
      if (!window.isEmpty()) names = x11("xprop", {"-id", window, "_NET_WM_NAME", "WM_NAME"});
      if (names != expected) QTest::qWait(100);
    }
    parlavo.kill();
    parlavo.waitForFinished(10000);
    xvfb.terminate();
    xvfb.waitForFinished(10000);
    QVERIFY2(!window.isEmpty(), "the main window did not appear");
    QCOMPARE(names, expected);
  }
};

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"

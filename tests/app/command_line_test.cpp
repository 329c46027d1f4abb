// The program's command line: the exports without a window, --version and --help.
#include <QDir>
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
    QTest::newRow("special") << "--export-special" << "SpecialVerbs.txt";
    QTest::newRow("all") << "--export-all" << "AllVerbs.txt";
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
};

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"

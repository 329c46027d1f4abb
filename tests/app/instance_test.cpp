// The program as a process: one copy per folder, a lock left by a killed copy taken
// over, temporaries of a killed save cleared, and SIGTERM ending it as CLOSE does.
// Each test runs a copy of the executable in its own folder, which is then both
// the program's folder (settings) and the current folder (results).
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "verb_ini_fixture.h"

namespace {

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The pid a lock file names (its first line).
qint64 LockOwner(const QString& path) { return ReadFile(path).split('\n').value(0).toLongLong(); }

}  // namespace

class InstanceTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  QString exe_;

  QString Path(const QString& name) const { return dir_->filePath(name); }

  void Start(QProcess& process) {
    process.setWorkingDirectory(dir_->path());
    process.start(exe_, {});
    QVERIFY(process.waitForStarted());
  }
  // Up means the lock is taken, which happens after the signals are caught.
  void WaitUntilUp(QProcess& process) {
    QTRY_VERIFY_WITH_TIMEOUT(LockOwner(Path("Parlavo.lock")) == process.processId(), 20000);
  }
  void Terminate(QProcess& process) {
    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    QVERIFY(process.waitForFinished(30000));
  }

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    exe_ = Path("parlavo");
    QVERIFY(QFile::copy(PARLAVO_EXE, exe_));
    QVERIFY(parlavo::testing::WriteVerbIni(Path("verb.ini"), "@ser;to be\r\n\r\n@ir;to go\r\n\r\n"));
  }
  void cleanup() { dir_.reset(); }

  void aSecondCopyExitsAndLeavesTheFilesAlone() {
    const QByteArray settings = "[Options]\r\nBeep=0\r\n";
    const QByteArray results = "soy,ser,1,1,1,10,3\r\n";
    QVERIFY(WriteFile(Path("Parlavo.ini"), settings));
    QVERIFY(WriteFile(Path("Results.txt"), results));
    QProcess first;
    Start(first);
    WaitUntilUp(first);
    const QStringList before = QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    const QDateTime settingsTime = QFileInfo(Path("Parlavo.ini")).lastModified();
    const QDateTime resultsTime = QFileInfo(Path("Results.txt")).lastModified();

    QProcess second;
    Start(second);
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 1);
    QVERIFY2(second.readAllStandardError().contains("Parlavo is already running"), "no message");

    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), before);
    QCOMPARE(ReadFile(Path("Parlavo.ini")), settings);
    QCOMPARE(ReadFile(Path("Results.txt")), results);
    QCOMPARE(QFileInfo(Path("Parlavo.ini")).lastModified(), settingsTime);
    QCOMPARE(QFileInfo(Path("Results.txt")).lastModified(), resultsTime);
    QCOMPARE(LockOwner(Path("Parlavo.lock")), first.processId());
    QCOMPARE(first.state(), QProcess::Running);  // the first keeps working
    Terminate(first);
  }

  // SIGTERM runs the shutdown of CLOSE: the settings are written (the file did not
  // exist), the results file kept, the lock given back, and the exit is normal.
  void sigtermEndsLikeClose() {
    QVERIFY(WriteFile(Path("Results.txt"), "soy,ser,1,1,1,10,3\r\n"));
    QProcess program;
    Start(program);
    WaitUntilUp(program);
    Terminate(program);
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QByteArray settings = ReadFile(Path("Parlavo.ini"));
    QVERIFY2(settings.contains("[Options]") && settings.contains("Current FilterTENSES="), settings.constData());
    QCOMPARE(ReadFile(Path("Results.txt")), QByteArray("soy,ser,1,1,1,10,3\r\n"));
    QVERIFY(!QFile::exists(Path("Parlavo.lock")));
  }

  // A killed copy leaves its lock and, when killed mid-save, a temporary: the next
  // start takes the lock over and removes the temporary, and nothing else.
  void aKilledCopysLockAndTemporariesAreClearedAtTheNextStart() {
    QVERIFY(WriteFile(Path("Results.txt"), "soy,ser,1,1,1,10,3\r\n"));
    QVERIFY(WriteFile(Path("Results.txt.Ab3xZ9"), "soy,ser,1,1,1,10,3\r\nvoy,"));
    QVERIFY(WriteFile(Path("Parlavo.ini.q1W2e3"), "[Opt"));
    QVERIFY(WriteFile(Path("Results.txt.old"), "mine"));
    QProcess killed;
    Start(killed);
    WaitUntilUp(killed);
    ::kill(static_cast<pid_t>(killed.processId()), SIGKILL);
    QVERIFY(killed.waitForFinished(30000));
    QVERIFY(QFile::exists(Path("Parlavo.lock")));

    QProcess next;
    Start(next);
    WaitUntilUp(next);
    QTRY_VERIFY(!QFile::exists(Path("Results.txt.Ab3xZ9")));
    QVERIFY(!QFile::exists(Path("Parlavo.ini.q1W2e3")));
    QCOMPARE(ReadFile(Path("Results.txt.old")), QByteArray("mine"));
    QCOMPARE(ReadFile(Path("Results.txt")), QByteArray("soy,ser,1,1,1,10,3\r\n"));
    Terminate(next);
    QCOMPARE(next.exitCode(), 0);
  }
};

QTEST_GUILESS_MAIN(InstanceTest)
#include "instance_test.moc"

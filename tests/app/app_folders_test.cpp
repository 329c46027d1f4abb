// Portable and installed mode: which folders the program uses, decided from the
// program's folder, the working folder and the XDG variables.
#include "app_folders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

#include <optional>

namespace parlavo {
namespace {

// An installed tree <root>/usr/{bin,share/parlavo}, a home, XDG folders and a working
// folder, all inside one temporary folder; the environment and working folder are put
// back afterwards.
class AppFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    for (const char* folder : {"usr/bin", "usr/share/parlavo", "home", "work"})
      ASSERT_TRUE(QDir(root_.path()).mkpath(folder));
    for (const char* name : {"verb.ini", "Parlavo.ini", "Parlavo.hlp"})
      Write(Shared() + name, QByteArray("shipped ") + name);
    oldCurrent_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(Path("work")));
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
      saved_.push_back({name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
    qputenv("HOME", Path("home").toUtf8());
    qputenv("XDG_CONFIG_HOME", Path("config").toUtf8());
    qputenv("XDG_DATA_HOME", Path("data").toUtf8());
  }
  void TearDown() override {
    QDir::setCurrent(oldCurrent_);
    for (const auto& [name, value] : saved_) value ? qputenv(name, *value) : qunsetenv(name);
  }

  QString Path(const QString& relative) const { return root_.path() + "/" + relative; }
  QString Bin() const { return Path("usr/bin/"); }
  QString Shared() const { return Path("usr/share/parlavo/"); }
  static void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  static QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  // Every file and folder under the tree, to show what a run wrote.
  QStringList Tree(const QString& relative) const {
    QStringList entries;
    QDir dir(Path(relative));
    for (const QString& entry : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
      entries << relative + "/" + entry;
      if (QFileInfo(dir.filePath(entry)).isDir()) entries << Tree(relative + "/" + entry);
    }
    return entries;
  }

  QTemporaryDir root_;
  QString oldCurrent_;
  std::vector<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

TEST_F(AppFoldersTest, ModeFollowsWhatLiesBesideTheProgram) {
  struct Case {
    const char* name;
    std::vector<const char*> beside;
    FolderMode mode;
  };
  const Case cases[] = {
      {"nothing beside: installed", {}, FolderMode::Installed},
      {"settings beside: portable", {"Parlavo.ini"}, FolderMode::Portable},
      {"verb data beside: portable", {"verb.ini"}, FolderMode::Portable},
      {"help alone does not make a portable folder", {"Parlavo.hlp"}, FolderMode::Installed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const char* name : {"Parlavo.ini", "verb.ini", "Parlavo.hlp"}) QFile::remove(Bin() + name);
    for (const char* name : c.beside) Write(Bin() + name, "x");
    EXPECT_EQ(DecideAppFolders(Bin()).mode, c.mode);
  }
}

TEST_F(AppFoldersTest, ReadOnlySettingsBesideTheProgramMeanInstalled) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
  Write(Bin() + "Parlavo.ini", "read-only copy");
  ASSERT_TRUE(QFile::setPermissions(Bin() + "Parlavo.ini", QFile::ReadOwner));
  const AppFolders folders = DecideAppFolders(Bin());
  EXPECT_EQ(folders.mode, FolderMode::Installed);
  EXPECT_EQ(folders.shippedSettings, Bin() + "Parlavo.ini");  // the copy beside it seeds the learner's
}

TEST_F(AppFoldersTest, PortableKeepsTheClassicLayoutAndWritesNothing) {
  Write(Bin() + "Parlavo.ini", "mine");
  const AppFolders folders = DecideAppFolders(Bin());
  ASSERT_EQ(folders.mode, FolderMode::Portable);
  EXPECT_EQ(folders.files.settingsFile, Bin() + "Parlavo.ini");
  EXPECT_EQ(folders.files.helpFile, Bin() + "Parlavo.hlp");
  EXPECT_EQ(folders.files.verbFile, "verb.ini");
  EXPECT_EQ(folders.files.DataFile("Results.txt"), "Results.txt");
  EXPECT_EQ(PrepareAppFolders(folders), "");
  EXPECT_FALSE(QFileInfo::exists(Path("config")));
  EXPECT_FALSE(QFileInfo::exists(Path("data")));
}

TEST_F(AppFoldersTest, InstalledUsesTheXdgFoldersAndTheSharedData) {
  const AppFolders folders = DecideAppFolders(Bin());
  ASSERT_EQ(folders.mode, FolderMode::Installed);
  EXPECT_EQ(folders.files.settingsFile, Path("config/Parlavo/Parlavo.ini"));
  EXPECT_EQ(folders.files.DataFile("Results.txt"), Path("data/Parlavo/Results.txt"));
  EXPECT_EQ(folders.files.verbFile, Shared() + "verb.ini");
  EXPECT_EQ(folders.files.helpFile, Shared() + "Parlavo.hlp");
  EXPECT_EQ(folders.shippedSettings, Shared() + "Parlavo.ini");
}

TEST_F(AppFoldersTest, InstalledWithoutXdgVariablesUsesTheHomeFolder) {
  qunsetenv("XDG_CONFIG_HOME");
  qunsetenv("XDG_DATA_HOME");
  const AppFolders folders = DecideAppFolders(Bin());
  EXPECT_EQ(folders.files.settingsFile, Path("home/.config/Parlavo/Parlavo.ini"));
  EXPECT_EQ(folders.files.dataFolder, Path("home/.local/share/Parlavo/"));
}

TEST_F(AppFoldersTest, VerbDataOfTheWorkingFolderWinsThenTheLearnersThenTheShippedOne) {
  struct Case {
    const char* name;
    bool inWorkingFolder;
    bool inDataFolder;
    QString expected;
  };
  const Case cases[] = {
      {"only shipped", false, false, Shared() + "verb.ini"},
      {"learner's own", false, true, Path("data/Parlavo/verb.ini")},
      {"working folder first", true, true, "verb.ini"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(Path("work/verb.ini"));
    QDir(Path("data")).removeRecursively();
    if (c.inWorkingFolder) Write(Path("work/verb.ini"), "x");
    if (c.inDataFolder) {
      ASSERT_TRUE(QDir().mkpath(Path("data/Parlavo")));
      Write(Path("data/Parlavo/verb.ini"), "x");
    }
    EXPECT_EQ(DecideAppFolders(Bin()).files.verbFile, c.expected);
  }
}

TEST_F(AppFoldersTest, FirstStartSeedsWritableSettingsAndWritesOnlyInTheXdgFolders) {
  ASSERT_TRUE(QFile::setPermissions(Shared() + "Parlavo.ini", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
  const QStringList installedBefore = Tree("usr");
  const AppFolders folders = DecideAppFolders(Bin());
  EXPECT_EQ(PrepareAppFolders(folders), "");
  EXPECT_EQ(Read(folders.files.settingsFile), "shipped Parlavo.ini");
  EXPECT_TRUE(QFileInfo(folders.files.settingsFile).permissions() & QFile::WriteOwner);
  EXPECT_TRUE(QFileInfo(folders.files.dataFolder).isDir());
  EXPECT_EQ(Tree("usr"), installedBefore);
  EXPECT_EQ(Tree("work"), QStringList());
  EXPECT_EQ(Tree("home"), QStringList());
}

TEST_F(AppFoldersTest, LaterStartsKeepTheLearnersSettings) {
  const AppFolders folders = DecideAppFolders(Bin());
  ASSERT_TRUE(QDir().mkpath(folders.configFolder));
  Write(folders.files.settingsFile, "[Options]\r\nbeep=0\r\n");
  EXPECT_EQ(PrepareAppFolders(folders), "");
  EXPECT_EQ(Read(folders.files.settingsFile), "[Options]\r\nbeep=0\r\n");
}

TEST_F(AppFoldersTest, WithoutShippedSettingsTheFirstStartBeginsEmpty) {
  QFile::remove(Shared() + "Parlavo.ini");
  const AppFolders folders = DecideAppFolders(Bin());
  EXPECT_EQ(PrepareAppFolders(folders), "");
  EXPECT_FALSE(QFileInfo::exists(folders.files.settingsFile));
}

TEST_F(AppFoldersTest, AConfigFolderThatCannotBeMadeIsNamed) {
  Write(Path("config"), "a file where the folder should be");
  const AppFolders folders = DecideAppFolders(Bin());
  const QString problem = PrepareAppFolders(folders);
  EXPECT_TRUE(problem.contains(Path("config/Parlavo"))) << problem.toStdString();
}

TEST_F(AppFoldersTest, TheDescriptionNamesTheFoldersInUse) {
  const QString installed = DescribeAppFolders(DecideAppFolders(Bin()));
  for (const QString& path : {Path("config/Parlavo/Parlavo.ini"), Path("data/Parlavo"), Shared() + "verb.ini"})
    EXPECT_TRUE(installed.contains(path)) << installed.toStdString();
  Write(Bin() + "verb.ini", "x");
  const QString portable = DescribeAppFolders(DecideAppFolders(Bin()));
  EXPECT_TRUE(portable.contains(Bin() + "Parlavo.ini")) << portable.toStdString();
}

}  // namespace
}  // namespace parlavo

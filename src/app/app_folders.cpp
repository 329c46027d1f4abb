#include "app_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace parlavo {

namespace {

constexpr const char* kAppFolderName = "Parlavo";

QString WithSlash(const QString& folder) { return folder.endsWith('/') ? folder : folder + '/'; }

QString PerUserFolder(QStandardPaths::StandardLocation location) {
  return WithSlash(QStandardPaths::writableLocation(location)) + kAppFolderName + '/';
}

bool IsFile(const QString& path) { return QFileInfo(path).isFile(); }

// The first candidate that exists, else the last one, so a message can name it.
QString FirstExisting(const QStringList& candidates) {
  for (const QString& path : candidates)
    if (IsFile(path)) return path;
  return candidates.back();
}

}  // namespace

QString ExecutableFolder() { return WithSlash(QCoreApplication::applicationDirPath()); }

AppFolders DecideAppFolders(const QString& programFolder) {
  const QFileInfo settingsBeside(programFolder + "Parlavo.ini");
  if ((settingsBeside.isFile() && settingsBeside.isWritable()) || IsFile(programFolder + "verb.ini"))
    return {FolderMode::Portable, FileLocations::Portable(programFolder), {}, {}};

  // <prefix>/bin/parlavo ships its data in <prefix>/share/parlavo; a folder that only
  // holds a read-only copy of the portable layout still finds its files beside the program.
  const QString shared = WithSlash(QDir::cleanPath(programFolder + "../share/parlavo"));
  auto shipped = [&](const char* name) { return FirstExisting({programFolder + name, shared + name}); };

  AppFolders folders;
  folders.mode = FolderMode::Installed;
  folders.configFolder = PerUserFolder(QStandardPaths::GenericConfigLocation);
  folders.shippedSettings = shipped("Parlavo.ini");
  folders.files.settingsFile = folders.configFolder + "Parlavo.ini";
  folders.files.dataFolder = PerUserFolder(QStandardPaths::GenericDataLocation);
  folders.files.verbFile = IsFile("verb.ini")
                               ? QString("verb.ini")
                               : FirstExisting({folders.files.dataFolder + "verb.ini", shipped("verb.ini")});
  folders.files.helpFile = shipped("Parlavo.hlp");
  return folders;
}

QString PrepareAppFolders(const AppFolders& folders) {
  if (folders.mode == FolderMode::Portable) return {};
  for (const QString& folder : {folders.configFolder, folders.files.dataFolder})
    if (!QDir().mkpath(folder))
      return QString("The folder '%1' could not be created. Settings and results will not be saved.")
          .arg(QDir::toNativeSeparators(folder));
  const QString settings = folders.files.settingsFile;
  if (QFileInfo::exists(settings) || !IsFile(folders.shippedSettings)) return {};
  // The shipped copy is read-only for the learner; theirs must not be.
  if (!QFile::copy(folders.shippedSettings, settings) ||
      !QFile::setPermissions(settings, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther))
    return QString("The settings file '%1' could not be created.").arg(QDir::toNativeSeparators(settings));
  return {};
}

QString DescribeAppFolders(const AppFolders& folders) {
  if (folders.mode == FolderMode::Portable)
    return QString(
               "Parlavo runs as a portable program: its settings are kept beside it in '%1', and the verb data, "
               "results and exported lists in the folder it was started from.")
        .arg(QDir::toNativeSeparators(folders.files.settingsFile));
  return QString(
             "Your settings are kept in '%1'. Your results and exported lists are kept in the folder '%2'. "
             "The verb data is read from '%3'.")
      .arg(QDir::toNativeSeparators(folders.files.settingsFile),
           QDir::toNativeSeparators(QDir::cleanPath(folders.files.dataFolder)),
           QDir::toNativeSeparators(QFileInfo(folders.files.verbFile).absoluteFilePath()));
}

}  // namespace parlavo

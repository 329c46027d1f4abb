// Where the window finds and keeps its files. The program decides them once at
// start-up; the window only uses them.
#pragma once

#include <QFile>
#include <QString>
#include <string>

namespace parlavo {

struct FileLocations {
  QString settingsFile = "Parlavo.ini";
  QString verbFile = "verb.ini";
  QString helpFile = "Parlavo.hlp";
  // Results and exports; empty means the working folder. Otherwise ends in "/".
  QString dataFolder;

  QString DataFile(const QString& name) const { return dataFolder + name; }

  // Settings and help beside the program, everything else in the working folder.
  static FileLocations Portable(const QString& programFolder) {
    FileLocations files;
    files.settingsFile = programFolder + files.settingsFile;
    files.helpFile = programFolder + files.helpFile;
    return files;
  }
};

// A path as the core's file functions take it: bytes in the file system's encoding.
inline std::string FilePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace parlavo

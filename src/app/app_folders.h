// Where Parlavo keeps its files, decided once at start-up.
//
// A portable folder (the program beside a writable "Parlavo.ini" or a "verb.ini",
// as the build's run folder is) keeps the classic layout: settings beside the
// program, verb data, results and exports in the working folder. An installed
// program cannot write beside itself and is started from a menu in the home
// folder, so it keeps the learner's files in the per-user XDG folders and reads
// what it ships from <prefix>/share/parlavo.
#pragma once

#include <QString>

#include "file_locations.h"

namespace parlavo {

enum class FolderMode { Portable, Installed };

struct AppFolders {
  FolderMode mode = FolderMode::Portable;
  FileLocations files;
  QString configFolder;     // installed: where the settings file lives, ending in "/"
  QString shippedSettings;  // installed: the settings a first start begins with; may not exist
};

// The running program's folder, ending in "/". Needs a QCoreApplication.
QString ExecutableFolder();

// `programFolder` ends in "/". Reads the XDG variables and looks for "verb.ini" in
// the working folder, so a learner's own data wins over the shipped one.
AppFolders DecideAppFolders(const QString& programFolder);

// Installed mode: creates the per-user folders and, on a first start, copies the
// shipped settings into place. Returns what went wrong, or an empty text; the
// program still runs without them, it only cannot keep settings or results.
QString PrepareAppFolders(const AppFolders& folders);

// Says where the learner's files are, for the help window and the manual.
QString DescribeAppFolders(const AppFolders& folders);

}  // namespace parlavo

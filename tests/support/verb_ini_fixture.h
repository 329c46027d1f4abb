// Writes a small, valid "verb.ini" for window and start-up tests.
#pragma once

#include <QFile>
#include <QString>
#include <string>

#include "verb_file.h"

namespace parlavo::testing {

// `body` holds the plain blocks, e.g. "@ser;to be\r\n\r\n". False when the file
// cannot be written.
inline bool WriteVerbIni(const QString& path, const std::string& body) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const std::string stored = ComposeVerbFile(body);
  return file.write(stored.data(), static_cast<qint64>(stored.size())) == static_cast<qint64>(stored.size());
}

}  // namespace parlavo::testing

// Reading a whole file in tests.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace velmora::test {

// The file's bytes, or "<unreadable>" when it cannot be opened.
inline QByteArray Contents(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<unreadable>";
  return file.readAll();
}

}  // namespace velmora::test

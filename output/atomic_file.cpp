#include "atomic_file.h"

#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "file_access.h"

namespace velmora {

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  return WriteFileAtomically(path, bytes, {});
}

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes,
                                           const std::function<void()>& beforeReplacing) {
  // QSaveFile would put a regular file in place of a pipe or a device the user pointed at,
  // or write into a folder's name; such a name is refused while everything is still there.
  if (const auto refusal = RefusalToReplace(QFile::encodeName(path).toStdString(), true)) {
    return QString::fromStdString(*refusal);
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(bytes) != bytes.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
  }
  // The bytes sit in Qt's buffer until a flush, so a full disk shows up only there. commit()
  // would flush too, but it goes on to replace the old file even when that flush failed:
  // flush and sync first, and give up while the old file is still whole.
  if (!file.flush() || ::fsync(file.handle()) != 0) {
    const QString reason = file.error() != QFileDevice::NoError
                               ? file.errorString()
                               : QString::fromLocal8Bit(std::strerror(errno));
    file.cancelWriting();
    return reason;
  }
  if (beforeReplacing) beforeReplacing();
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

}  // namespace velmora

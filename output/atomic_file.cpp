#include "atomic_file.h"

#include <QSaveFile>

namespace velmora {

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  return WriteFileAtomically(path, bytes, {});
}

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes,
                                           const std::function<void()>& beforeReplacing) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(bytes) != bytes.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
  }
  if (beforeReplacing) beforeReplacing();
  // commit() flushes, closes and renames; a full disk shows up here, not in write().
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

}  // namespace velmora

// Every file the program writes goes through here: the bytes go to a temporary file beside
// the target, which replaces the old file only once it is complete.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace velmora {

// Why no file can be written at `path` when its folder is one of the kernel's own (/proc,
// /sys, /dev): none otherwise.
std::optional<QString> SystemFolderReason(const QString& path);

// Writes `bytes` to `path`. Returns the reason when the file could not be written; the file
// that was there before is then untouched.
std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes);

// The same, calling `beforeReplacing` once the temporary file holds every byte and just
// before it replaces the old file: the moment at which an interruption is most costly.
std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes,
                                           const std::function<void()>& beforeReplacing);

}  // namespace velmora

// Reading and replacing files by name without Qt, for the command-line tool and for the
// desktop program's checks: a path typed by someone else (or a link planted by someone
// else) must never make us hang on a pipe, read a device without end, or write through a
// link onto a file we were not asked to touch.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace velmora {

// Writes `bytes` to `path` through a new file of an unpredictable name created exclusively
// in the same folder, synced to disk, which then replaces the old file in one rename. The
// new file keeps the old one's permission bits (and its owner, where we may set it); a new
// name gets the usual permissions the umask leaves. A directory, pipe, device, socket or
// symbolic link at `path` is refused. Returns the reason when nothing was written; the file
// that was there before is then untouched.
std::optional<std::string> ReplaceFileAtomically(const std::string& path, std::string_view bytes);

// Why `path` must not be replaced by a file we write: it names a directory, pipe, device or
// socket (also when reached through a symbolic link), or, unless `followLinks`, it is a
// symbolic link itself. Nothing when it is a regular file or does not exist yet.
std::optional<std::string> RefusalToReplace(const std::string& path, bool followLinks);

struct FileStart {
  std::string Bytes;   // at most the limit asked for
  bool Whole = false;  // true when these are all the file's bytes
};

// Reads at most `limitBytes` from the start of the regular file at `path`, without ever
// waiting for a writer: a pipe, device, directory or socket is refused. Returns the bytes or
// the reason they could not be read, a phrase that follows "cannot read FILE: ".
std::variant<FileStart, std::string> ReadFileStart(const std::string& path, std::size_t limitBytes);

}  // namespace velmora

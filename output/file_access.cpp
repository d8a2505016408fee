#include "file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace velmora {
namespace {

std::string ErrorText(int error) {
  return std::strerror(error);
}

// What a path that is not a regular file names, in the words a message uses.
std::optional<std::string> NotARegularFile(mode_t mode) {
  if (S_ISREG(mode)) return std::nullopt;
  if (S_ISDIR(mode)) return "it is a folder";
  if (S_ISFIFO(mode)) return "it is a named pipe, not a regular file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a regular file";
  if (S_ISSOCK(mode)) return "it is a socket, not a regular file";
  return "it is not a regular file";
}

// The permission bits a new file gets from open(2) with 0666, which the umask narrows. The
// umask can only be read by setting it, so it is set straight back.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0077);
  ::umask(mask);
  return 0666 & ~mask;
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, so that a late write error (some file systems report it only here) counts.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Writes the temporary file completely and durably; the reason when that failed.
std::optional<std::string> FillTemporary(Descriptor& file, std::string_view bytes,
                                         const struct stat* old) {
  if (old != nullptr) {
    // Root replacing another user's file hands it back to that user; anyone else cannot
    // give files away, and then the file simply stays ours.
    if (old->st_uid != ::geteuid() || old->st_gid != ::getegid()) {
      [[maybe_unused]] const int ignored = ::fchown(file.get(), old->st_uid, old->st_gid);
    }
  }
  // Set bits are dropped: a report has no business running as its owner.
  const mode_t mode = old != nullptr ? (old->st_mode & 0777) : NewFileMode();
  if (::fchmod(file.get(), mode) != 0) return "cannot set its permissions: " + ErrorText(errno);
  if (!WriteAll(file.get(), bytes)) return "writing failed: " + ErrorText(errno);
  if (::fsync(file.get()) != 0) return "writing failed: " + ErrorText(errno);
  if (file.Close() != 0) return "writing failed: " + ErrorText(errno);
  return std::nullopt;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // The rename is what the user waits for; a folder that cannot be synced still holds it.
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::optional<std::string> RefusalToReplace(const std::string& path, bool followLinks) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return std::nullopt;  // creating it tells why
  if (S_ISLNK(st.st_mode)) {
    if (!followLinks) {
      return std::string("it is a symbolic link; give the name of the file itself");
    }
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;  // a dangling link
  }
  return NotARegularFile(st.st_mode);
}

std::optional<std::string> ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
  if (path.empty()) return std::string("no file name was given");
  if (path.back() == '/') return std::string("it is a folder");
  if (auto refusal = RefusalToReplace(path, false)) return refusal;
  struct stat old {};
  const bool replacing = ::lstat(path.c_str(), &old) == 0;

  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  // mkostemp opens with O_EXCL and mode 0600 under a name nobody can guess in advance, so a
  // file or link planted in a shared folder cannot take the place of ours.
  std::string temporary = folder + (folder.back() == '/' ? "" : "/") + ".velmora-XXXXXX";
  std::vector<char> name(temporary.begin(), temporary.end());
  name.push_back('\0');
  Descriptor file(::mkostemp(name.data(), O_CLOEXEC));
  if (file.get() < 0) return "cannot create a file in its folder: " + ErrorText(errno);
  temporary.assign(name.data());

  auto failure = FillTemporary(file, bytes, replacing ? &old : nullptr);
  // rename(2) replaces the name itself: a link put there since the check is replaced, never
  // followed.
  if (!failure && ::rename(temporary.c_str(), path.c_str()) != 0) {
    failure = "cannot replace it: " + ErrorText(errno);
  }
  if (failure) {
    ::unlink(temporary.c_str());
    return failure;
  }
  SyncFolder(folder);
  return std::nullopt;
}

std::variant<FileStart, std::string> ReadFileStart(const std::string& path,
                                                   std::size_t limitBytes) {
  // O_NONBLOCK: opening a pipe would otherwise wait for a writer that may never come.
  Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.get() < 0) return ErrorText(errno);
  struct stat st {};
  if (::fstat(file.get(), &st) != 0) return ErrorText(errno);
  if (auto refusal = NotARegularFile(st.st_mode)) return *refusal;
  const int flags = ::fcntl(file.get(), F_GETFL);
  if (flags >= 0) ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK);

  // One byte past the limit tells whether the file goes on.
  const std::size_t wanted = limitBytes + 1;
  FileStart start;
  start.Bytes.resize(
      std::min(wanted, static_cast<std::size_t>(std::max<off_t>(st.st_size, 0)) + 1));
  std::size_t have = 0;
  while (have < wanted) {
    if (have == start.Bytes.size()) start.Bytes.resize(std::min(wanted, 2 * have + 4096));
    const ssize_t got = ::read(file.get(), start.Bytes.data() + have, start.Bytes.size() - have);
    if (got < 0) {
      if (errno == EINTR) continue;
      return ErrorText(errno);
    }
    if (got == 0) break;
    have += static_cast<std::size_t>(got);
  }
  start.Whole = have <= limitBytes;
  start.Bytes.resize(std::min(have, limitBytes));
  return start;
}

}  // namespace velmora

// Moving a file to another file system: copy under a temporary name, flush,
// compare, put in place, then remove the source.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>
#include <vector>

#include "base/unique_fd.h"
#include "filing/file_move.h"

namespace ovelin {
namespace {

// The outcome of failing to create the destination name.
MoveOutcome CreateFailure(int error) {
  if (error == EEXIST) return MoveOutcome::Exists;
  if (error == ENOENT || error == ENOTDIR) return MoveOutcome::PathNotFound;
  return MoveOutcome::Failed;
}

// Copies all bytes; the number copied, or -1 on a read or write error.
off_t CopyBytes(int from, int to) {
  std::vector<char> buffer(1 << 16);
  off_t total = 0;
  while (true) {
    const ssize_t got = ::read(from, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return -1;
    if (got == 0) return total;
    if (!WriteAll(to, buffer.data(), static_cast<size_t>(got))) return -1;
    total += got;
  }
}

// Writes the copy's content, permissions and times; true when it is complete on disk.
bool FillCopy(int source, int target, const struct stat& info) {
  const off_t copied = CopyBytes(source, target);
  struct stat written {};
  const struct timespec times[2] = {info.st_atim, info.st_mtim};
  return copied == info.st_size && ::fchmod(target, info.st_mode & 07777) == 0 && ::futimens(target, times) == 0 &&
         ::fsync(target) == 0 && ::fstat(target, &written) == 0 && written.st_size == info.st_size;
}

// A new empty file of a temporary name in `folder`, created exclusively; its
// path is left in `path`.
UniqueFd CreateTemporary(const std::string& folder, std::string& path) {
  std::string pattern = folder + "/.ovelin-move-XXXXXX";
  UniqueFd fd(::mkostemp(pattern.data(), O_CLOEXEC));
  if (fd.valid()) path = pattern;
  return fd;
}

// Puts the complete copy in place under its final name, never replacing one.
MoveOutcome PlaceCopy(const std::string& temporary, const std::string& to) {
  const int error = RenameNoReplace(temporary, to);
  if (error == 0) return MoveOutcome::Moved;
  return error == EEXIST ? MoveOutcome::Exists : MoveOutcome::Failed;
}

// The copy is made under a temporary name beside the destination, so that a run
// killed mid-copy leaves no partial file under the final name.
MoveOutcome CopyFile(const std::string& from, const std::string& to) {
  UniqueFd source(::open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
  struct stat info {};
  if (source.get() < 0 || ::fstat(source.get(), &info) != 0 || !S_ISREG(info.st_mode)) return MoveOutcome::Failed;
  struct stat taken {};
  if (::lstat(to.c_str(), &taken) == 0) return MoveOutcome::Exists;  // spares a copy that could not be placed
  std::string temporary;
  UniqueFd target = CreateTemporary(FolderOf(to), temporary);
  if (!target.valid()) return CreateFailure(errno);
  if (!FillCopy(source.get(), target.get(), info) || !target.Close()) {
    ::unlink(temporary.c_str());
    return MoveOutcome::Failed;
  }
  const MoveOutcome placed = PlaceCopy(temporary, to);
  if (placed != MoveOutcome::Moved) {
    ::unlink(temporary.c_str());
    return placed;
  }
  if (SyncFolder(FolderOf(to)) && ::unlink(from.c_str()) == 0) return MoveOutcome::Moved;
  ::unlink(to.c_str());
  return MoveOutcome::Failed;
}

MoveOutcome CopyLink(const std::string& from, const std::string& to, const struct stat& info) {
  std::string target(static_cast<size_t>(info.st_size) + 1, '\0');
  const ssize_t length = ::readlink(from.c_str(), target.data(), target.size());
  if (length < 0 || static_cast<size_t>(length) >= target.size()) return MoveOutcome::Failed;
  target.resize(static_cast<size_t>(length));
  if (::symlink(target.c_str(), to.c_str()) != 0) return CreateFailure(errno);
  if (::unlink(from.c_str()) == 0) return MoveOutcome::Moved;
  ::unlink(to.c_str());
  return MoveOutcome::Failed;
}

}  // namespace

MoveOutcome MoveAcrossFileSystems(const std::string& from, const std::string& to) {
  struct stat info {};
  if (::lstat(from.c_str(), &info) != 0) return MoveOutcome::Failed;
  if (S_ISLNK(info.st_mode)) return CopyLink(from, to, info);
  if (!S_ISREG(info.st_mode)) return MoveOutcome::Failed;
  return CopyFile(from, to);
}

}  // namespace ovelin

#include "filing/file_move.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace ovelin {
namespace {

bool Exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Checks for the destination, then renames. Only for file systems that offer
// neither RENAME_NOREPLACE nor hard links: the gap between the two calls is the
// best such a file system allows.
int CheckThenRename(const std::string& from, const std::string& to) {
  if (Exists(to)) return EEXIST;
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// link() never replaces an existing name; the source name is dropped afterwards.
int LinkThenUnlink(const std::string& from, const std::string& to) {
  if (IsFolder(from)) return CheckThenRename(from, to);
  if (::link(from.c_str(), to.c_str()) != 0) {
    const int error = errno;
    if (error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == EMLINK) {
      return CheckThenRename(from, to);
    }
    return error;
  }
  if (::unlink(from.c_str()) == 0) return 0;
  const int error = errno;
  ::unlink(to.c_str());
  return error;
}

}  // namespace

int RenameNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  const int error = errno;
  if (error != EINVAL && error != ENOSYS && error != ENOTSUP && error != EOPNOTSUPP) return error;
  return LinkThenUnlink(from, to);
}

MoveOutcome MovePath(const std::string& from, const std::string& to, const RenameFunction& rename) {
  const int error = rename(from, to);
  switch (error) {
    case 0:
      return MoveOutcome::Moved;
    case EEXIST:
    case ENOTEMPTY:
      return MoveOutcome::Exists;
    case ENOENT:
    case ENOTDIR:
      // The same code answers a missing source and a missing destination folder.
      return Exists(from) ? MoveOutcome::PathNotFound : MoveOutcome::Failed;
    case EXDEV:
      return MoveAcrossFileSystems(from, to);
    default:
      return MoveOutcome::Failed;
  }
}

}  // namespace ovelin

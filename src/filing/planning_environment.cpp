#include "filing/planning_environment.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <memory>
#include <set>
#include <system_error>
#include <vector>

#include "base/unique_fd.h"

namespace ovelin {
namespace {

using RemoveFunction = std::function<RemovalResult(const std::string& localPath)>;

// A code that MovePath takes as a failure without looking at the disk (ENOENT
// would make it look, and create folders; EXDEV would make it copy).
constexpr int kWouldFail = EIO;

// Whether `path` is `folder` or lies below it.
bool Below(const std::string& path, const std::string& folder) {
  if (path.compare(0, folder.size(), folder) != 0) return false;
  return path.size() == folder.size() || path[folder.size()] == '/' || folder == "/";
}

bool Writable(const std::string& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

// The disk as a dry run would have left it so far: the real disk, less the paths
// moved or removed, plus the names planned moves took.
class PlannedDisk {
 public:
  int Rename(const std::string& from, const std::string& to);
  // `refuse` is the real primitive, asked only about a folder: it refuses one untouched.
  RemovalResult Remove(const std::string& path, RemovalOutcome done, const RemoveFunction& refuse);

 private:
  bool Present(const std::string& path) const;
  // The nearest folder above `path` that is there; the real run creates the rest.
  std::string ExistingAncestor(const std::string& path) const;
  void Free(const std::string& path);

  std::set<std::string> taken_;
  std::vector<std::string> freed_;
};

bool PlannedDisk::Present(const std::string& path) const {
  if (taken_.count(path) != 0) return true;
  for (const auto& gone : freed_) {
    if (Below(path, gone)) return false;
  }
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

std::string PlannedDisk::ExistingAncestor(const std::string& path) const {
  std::string folder = FolderOf(path);
  while (folder != "/" && folder != "." && !Present(folder)) folder = FolderOf(folder);
  return folder;
}

void PlannedDisk::Free(const std::string& path) {
  taken_.erase(path);
  freed_.push_back(path);
}

int PlannedDisk::Rename(const std::string& from, const std::string& to) {
  if (!Present(from)) return kWouldFail;
  if (Present(to)) return EEXIST;
  const std::string folder = ExistingAncestor(to);
  struct stat into {};
  // A planned name is a file (or a folder moved whole): nothing is created below it here.
  if (taken_.count(folder) != 0 || ::stat(folder.c_str(), &into) != 0 || !S_ISDIR(into.st_mode)) return kWouldFail;
  if (!Writable(folder) || !Writable(FolderOf(from))) return EACCES;
  struct stat source {};
  const bool folderMoved = ::lstat(from.c_str(), &source) == 0 && S_ISDIR(source.st_mode);
  if (folderMoved && source.st_dev != into.st_dev) return kWouldFail;  // only files are copied across
  Free(from);
  taken_.insert(to);
  return 0;
}

RemovalResult PlannedDisk::Remove(const std::string& path, RemovalOutcome done, const RemoveFunction& refuse) {
  if (!Present(path)) return {RemovalOutcome::AlreadyGone, {}};
  struct stat info {};
  if (::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return refuse(path);
  if (!Writable(FolderOf(path))) return {RemovalOutcome::Failed, std::generic_category().message(EACCES)};
  Free(path);
  return {done, {}};
}

}  // namespace

FilingEnvironment PlanningEnvironment(FilingEnvironment base) {
  auto disk = std::make_shared<PlannedDisk>();
  base.rename = [disk](const std::string& from, const std::string& to) { return disk->Rename(from, to); };
  base.trash = [disk, trash = base.trash](const std::string& path) {
    return disk->Remove(path, RemovalOutcome::Trashed, trash);
  };
  base.deleteForGood = [disk, erase = base.deleteForGood](const std::string& path) {
    return disk->Remove(path, RemovalOutcome::Deleted, erase);
  };
  base.dryRun = true;
  return base;
}

}  // namespace ovelin

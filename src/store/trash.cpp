#include "store/trash.h"

#include <gio/gio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <system_error>

namespace ovelin {
namespace {

struct ObjectUnref {
  void operator()(gpointer object) const { g_object_unref(object); }
};
struct ErrorFree {
  void operator()(GError* error) const { g_error_free(error); }
};
using FilePtr = std::unique_ptr<GFile, ObjectUnref>;
using ErrorPtr = std::unique_ptr<GError, ErrorFree>;

constexpr const char* kFolderRefused = "a folder is never deleted";

// Nothing at the path, a folder, or something that may be removed.
enum class Found { Nothing, Folder, Entry };

Found Inspect(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) == 0) return S_ISDIR(info.st_mode) ? Found::Folder : Found::Entry;
  return errno == ENOENT ? Found::Nothing : Found::Entry;  // the removal reports any other error
}

RemovalResult FromGioError(const GError* error) {
  if (g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NOT_FOUND)) return {RemovalOutcome::AlreadyGone, {}};
  const bool noTrash = g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NOT_SUPPORTED);
  return {noTrash ? RemovalOutcome::NoTrash : RemovalOutcome::Failed, error->message};
}

}  // namespace

RemovalResult MoveToTrash(const std::string& localPath) {
  const Found found = Inspect(localPath);
  if (found == Found::Nothing) return {RemovalOutcome::AlreadyGone, {}};
  if (found == Found::Folder) return {RemovalOutcome::Failed, kFolderRefused};

  const FilePtr file(g_file_new_for_path(localPath.c_str()));
  GError* raw = nullptr;
  if (g_file_trash(file.get(), nullptr, &raw)) return {RemovalOutcome::Trashed, {}};
  const ErrorPtr failure(raw);
  if (!failure) return {RemovalOutcome::Failed, "the file could not be moved to the Trash"};
  return FromGioError(failure.get());
}

RemovalResult DeleteForGood(const std::string& localPath) {
  const Found found = Inspect(localPath);
  if (found == Found::Nothing) return {RemovalOutcome::AlreadyGone, {}};
  if (found == Found::Folder) return {RemovalOutcome::Failed, kFolderRefused};
  if (::unlink(localPath.c_str()) == 0) return {RemovalOutcome::Deleted, {}};
  const int error = errno;
  if (error == ENOENT) return {RemovalOutcome::AlreadyGone, {}};
  return {RemovalOutcome::Failed, std::generic_category().message(error)};
}

RemovalResult RemoveLocalFile(const std::string& localPath, FileRemoval how) {
  return how == FileRemoval::Trash ? MoveToTrash(localPath) : DeleteForGood(localPath);
}

}  // namespace ovelin

#pragma once
// Moving a file or folder without ever replacing what lies at the destination.

#include <functional>
#include <string>

namespace ovelin {

/// The three classes of move failure the archiving engine tells apart.
enum class MoveOutcome {
  Moved,
  PathNotFound,  // the destination folder is missing (the source exists)
  Exists,        // something already has the destination name
  Failed,        // anything else: source gone, no permission, folder across file systems, ...
};

/// Renames within one file system; returns 0 or the errno value. Never replaces:
/// renameat2 with RENAME_NOREPLACE, or link() and unlink() where the file system
/// lacks that flag.
int RenameNoReplace(const std::string& from, const std::string& to);

/// The rename primitive the move uses (RenameNoReplace, or a fake in tests).
using RenameFunction = std::function<int(const std::string& from, const std::string& to)>;

/// Moves `from` to `to` with `rename`; when it reports EXDEV, a file is copied
/// (MoveAcrossFileSystems) and a folder fails.
MoveOutcome MovePath(const std::string& from, const std::string& to, const RenameFunction& rename);

/// Moves a regular file or symbolic link to another file system: the copy is made
/// under a temporary name in the destination folder created exclusively, flushed
/// to disk and compared by size, then renamed to the new name without replacing
/// anything; only then is the source removed. On any failure the copy is removed
/// and the source stays. Folders and special files fail.
MoveOutcome MoveAcrossFileSystems(const std::string& from, const std::string& to);

}  // namespace ovelin

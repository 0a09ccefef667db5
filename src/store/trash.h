#pragma once
// Removing a local file: into the user's Trash (the freedesktop.org Trash that
// file managers share, through GIO), or for good. Folders are never removed.

#include <string>

namespace ovelin {

/// How a local file is removed.
enum class FileRemoval {
  Trash,        // moved to the user's Trash; kept where no usable trash exists
  Permanently,  // deleted for good
};

enum class RemovalOutcome {
  Trashed,      // moved into the Trash
  Deleted,      // deleted for good
  AlreadyGone,  // nothing was at the path: no failure
  NoTrash,      // the file system offers no usable trash; the file stays
  Failed,       // anything else (a folder, no permission, ...); the file stays
};

struct RemovalResult {
  RemovalOutcome outcome = RemovalOutcome::Failed;
  std::string error;  // why it failed, for the user; empty otherwise

  /// True when nothing is left at the path: trashed, deleted or already gone.
  bool Gone() const {
    return outcome == RemovalOutcome::Trashed || outcome == RemovalOutcome::Deleted ||
           outcome == RemovalOutcome::AlreadyGone;
  }
};

/// Moves a file or symbolic link into the Trash of its file system: the home
/// trash ($XDG_DATA_HOME/Trash) for the file system of the home folder, else a
/// ".Trash-UID" folder at the top of the file's file system. Never deletes the file
/// for good, also when no trash can be used.
RemovalResult MoveToTrash(const std::string& localPath);

/// Deletes a file or symbolic link for good.
RemovalResult DeleteForGood(const std::string& localPath);

/// MoveToTrash or DeleteForGood.
RemovalResult RemoveLocalFile(const std::string& localPath, FileRemoval how);

}  // namespace ovelin

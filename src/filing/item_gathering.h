#pragma once
// Gathering candidate items from local paths: telling files from folders and
// walking a folder for the files in it.

#include <string>
#include <vector>

namespace ovelin {

/// A candidate item: its display name and its item URL.
struct ItemCandidate {
  std::string name;
  std::string url;
  bool operator==(const ItemCandidate&) const = default;
};

enum class PathKind { File, Folder, Missing };

/// Whether a walk enters the folders that symbolic links inside it point to.
enum class FolderLinks { Follow, Skip };

/// Folder for a directory or a symbolic link to one; Missing when nothing is at
/// the path; File for everything else (zip files, links to files, broken links,
/// special files).
PathKind ClassifyPath(const std::string& path);

/// The path as one candidate: named by its last component ("/" for the root),
/// addressed by its file URL.
ItemCandidate CandidateOf(const std::string& path);

/// Every non-folder entry of the folder as a candidate named by its entry name;
/// sub-folders are walked in turn when `recurse` is on and ignored otherwise.
/// Hidden files are included. Entries come in name order, folder by folder; a
/// folder reached twice (symbolic-link loops) is walked once; a folder that
/// cannot be read yields nothing. With FolderLinks::Skip a link to a folder met
/// inside the walk is neither walked nor a candidate (`folder` itself may be one).
std::vector<ItemCandidate> WalkFolder(const std::string& folder, bool recurse, FolderLinks links = FolderLinks::Follow);

}  // namespace ovelin

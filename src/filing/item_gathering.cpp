#include "filing/item_gathering.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <set>
#include <utility>

#include "base/text_order.h"
#include "filing/url_parts.h"

namespace ovelin {
namespace {

// Deeper than any real tree; keeps a pathological one from exhausting the stack.
constexpr int kMaxDepth = 256;

struct WalkState {
  bool recurse = false;
  FolderLinks links = FolderLinks::Follow;
  std::set<std::pair<dev_t, ino_t>> visited;
  std::vector<ItemCandidate> found;
};

// "/a/b/" -> "/a/b"; "/" stays.
std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string JoinEntry(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

// The entry names of a folder in name order; empty when it cannot be read.
std::vector<std::string> EntryNames(const std::string& folder) {
  std::vector<std::string> names;
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    names.push_back(name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return NameLess(a, b); });
  return names;
}

bool IsLink(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

// Records the folder as visited; false when it was visited before or is gone.
bool FirstVisit(WalkState& state, const std::string& folder) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0) return false;
  return state.visited.emplace(info.st_dev, info.st_ino).second;
}

void Walk(WalkState& state, const std::string& folder, int depth) {
  if (depth > kMaxDepth || !FirstVisit(state, folder)) return;
  for (const std::string& name : EntryNames(folder)) {
    const std::string path = JoinEntry(folder, name);
    switch (ClassifyPath(path)) {
      case PathKind::File:
        state.found.push_back({name, MakeFileUrl(path)});
        break;
      case PathKind::Folder:
        if (state.links == FolderLinks::Skip && IsLink(path)) break;
        if (state.recurse) Walk(state, path, depth + 1);
        break;
      case PathKind::Missing:  // removed while we were walking
        break;
    }
  }
}

}  // namespace

PathKind ClassifyPath(const std::string& path) {
  struct stat info {};
  if (path.empty() || ::lstat(path.c_str(), &info) != 0) return PathKind::Missing;
  if (S_ISDIR(info.st_mode)) return PathKind::Folder;
  if (!S_ISLNK(info.st_mode)) return PathKind::File;
  struct stat target {};
  return ::stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode) ? PathKind::Folder : PathKind::File;
}

ItemCandidate CandidateOf(const std::string& path) {
  const std::string trimmed = WithoutTrailingSlashes(path);
  const size_t slash = trimmed.rfind('/');
  const bool root = trimmed == "/" || slash == std::string::npos;
  return {root ? trimmed : trimmed.substr(slash + 1), MakeFileUrl(trimmed)};
}

std::vector<ItemCandidate> WalkFolder(const std::string& folder, bool recurse, FolderLinks links) {
  WalkState state;
  state.recurse = recurse;
  state.links = links;
  Walk(state, WithoutTrailingSlashes(folder), 0);
  return std::move(state.found);
}

}  // namespace ovelin

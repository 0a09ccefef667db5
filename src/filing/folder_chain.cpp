#include "filing/folder_chain.h"

#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "filing/url_parts.h"

namespace ovelin {
namespace {

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Makes one folder; a folder that appeared meanwhile (another process) counts as made.
bool MakeFolder(const std::string& path) {
  if (path.empty() || IsFolder(path)) return true;
  if (::mkdir(path.c_str(), 0777) == 0) return true;
  return errno == EEXIST && IsFolder(path);
}

}  // namespace

bool CreateFolderChain(std::string_view folder) {
  if (folder.empty() || folder.front() != '/') return false;
  const std::vector<std::string> pieces = SplitPathPieces(folder);
  std::string prefix = pieces.front();
  for (size_t i = 1; i < pieces.size(); ++i) {
    prefix += "/" + pieces[i];
    if (!MakeFolder(prefix)) return false;
  }
  return true;
}

}  // namespace ovelin

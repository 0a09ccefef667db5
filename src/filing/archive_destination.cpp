#include "filing/archive_destination.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "filing/url_parts.h"

namespace ovelin {
namespace {

// Whether the chain of extended store paths from `set` ends in a named folder. A
// chain that ends in an empty folder, a missing set or a loop names no folder; the
// resolved path would then be a bare "/Set/Sub" at the top of the file system.
bool HasStoreFolder(const CFileSetStore& store, const std::string& set) {
  NameList passed;
  std::string current = set;
  while (true) {
    const StorePath path = store.GetStorePath(current);
    if (!path.found || !InsertName(passed, current)) return false;
    if (path.kind == StorePathKind::UsrDef) return !path.text.empty();
    current = path.text;
  }
}

}  // namespace

std::string ArchiveDestinationRoot(const CFileSetStore& store, const std::string& pigPathSet) {
  if (pigPathSet.empty() || !HasStoreFolder(store, pigPathSet)) return {};
  return store.GetEffectiveStorePath(pigPathSet);
}

std::string ArchiveDestination(const std::string& source, const std::string& basePath, const std::string& root) {
  if (root.empty()) return source;
  std::string folder = root;
  while (!folder.empty() && folder.back() == '/') folder.pop_back();

  std::string path = source;  // a folder URL may end in "/"
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  const std::vector<std::string> pieces = SplitPathPieces(path);
  const size_t baseCount = basePath.empty() ? pieces.size() : SplitPathPieces(basePath).size();
  // A base path longer than the source would drop the file name itself.
  const size_t dropped = std::min(baseCount - 1, pieces.size() - 1);
  return folder + "/" + JoinPathPieces(pieces, dropped);
}

std::string CollisionName(const std::string& destination, std::chrono::system_clock::time_point now) {
  const size_t slash = destination.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : destination.substr(0, slash);
  const std::string fileName = slash == std::string::npos ? destination : destination.substr(slash + 1);

  const size_t dot = fileName.rfind('.');
  const bool hasExtension = dot != std::string::npos && dot > 0;
  const std::string stem = hasExtension ? fileName.substr(0, dot) : fileName;
  const std::string extension = hasExtension ? fileName.substr(dot) : std::string();

  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "_%d%02d%02d%02d%02d%02d", utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday,
                utc.tm_hour, utc.tm_min, utc.tm_sec);
  return folder + "/" + stem + stamp + extension;
}

}  // namespace ovelin

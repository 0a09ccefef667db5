#include "filing/archive_destination.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unordered_set>

#include "base/messages.h"
#include "filing/url_parts.h"

namespace ovelin {
namespace {

std::string Unreachable(const std::string& set, const std::string& why) {
  return MessageText(MessageId::UnreachableStorePath, {set, why});
}

}  // namespace

std::string UnreachableStorePathReason(const CFileSetStore& store, const std::string& pigPathSet) {
  if (pigPathSet.empty()) return {};
  std::unordered_set<std::string> passed;
  std::string extender;  // the set whose store path extends `current`
  std::string current = pigPathSet;
  while (true) {
    if (current.empty()) return Unreachable(pigPathSet, MessageText(MessageId::ExtensionWithoutParent, {extender}));
    const StorePath path = store.GetStorePath(current);
    if (!path.found && extender.empty()) return Unreachable(pigPathSet, MessageText(MessageId::NoSuchSet));
    if (!path.found) return Unreachable(pigPathSet, MessageText(MessageId::ExtendedParentMissing, {extender, current}));
    if (!passed.insert(current).second)
      return Unreachable(pigPathSet, MessageText(MessageId::ExtensionLoop, {current}));
    if (path.kind == StorePathKind::UsrDef) {
      return path.text.empty() ? Unreachable(pigPathSet, MessageText(MessageId::NoStoreFolder, {current}))
                               : std::string();
    }
    extender = current;
    current = path.text;
  }
}

std::string ArchiveDestinationRoot(const CFileSetStore& store, const std::string& pigPathSet) {
  if (pigPathSet.empty() || !UnreachableStorePathReason(store, pigPathSet).empty()) return {};
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

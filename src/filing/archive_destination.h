#pragma once
// Where an archived file goes: its place below the store path, and the
// time-stamped name that replaces a name already taken.

#include <chrono>
#include <string>

#include "store/file_set_store.h"

namespace ovelin {

/// The destination of `source` in the store folder `root` (trailing "/" ignored):
/// the source's pieces without the first n-1, n being the number of pieces of
/// `basePath`, joined below the root. At least the file name is always kept, and
/// an empty base path counts as the source itself. An empty root gives the source.
std::string ArchiveDestination(const std::string& source, const std::string& basePath, const std::string& root);

/// Why the store path of `pigPathSet` cannot be reached, for the user, naming the
/// set: it names no set, or its chain of extended store paths meets a missing set
/// or a loop, or ends in a set without a folder. Empty when it can be reached, and
/// for an empty name (no store-path set: nothing moves).
std::string UnreachableStorePathReason(const CFileSetStore& store, const std::string& pigPathSet);

/// The store folder that items filed with `pigPathSet` as store-path set go to:
/// its resolved store path. Empty when the name is empty or the store path cannot
/// be reached, so that nothing lands at the top of the file system.
std::string ArchiveDestinationRoot(const CFileSetStore& store, const std::string& pigPathSet);

/// "folder/stem_YYYYMMDDhhmmss.ext" with the UTC time `now`. A name without a "."
/// gets no trailing "."; the leading "." of a hidden file does not start an extension.
std::string CollisionName(const std::string& destination, std::chrono::system_clock::time_point now);

}  // namespace ovelin

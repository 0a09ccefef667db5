#pragma once
// File-system work of the data file: reading, atomic writing, the writer lock and
// the data folder.

#include <optional>
#include <string>

#include "store/envelope.h"
#include "store/unique_fd.h"

namespace ovelin {

inline constexpr const char* kDataFileName = "AllSets.db";
inline constexpr const char* kBackupSuffix = ".bak";
inline constexpr const char* kLockFileName = "AllSets.db.lock";

/// The whole content of a file; nothing when it cannot be opened or read.
std::optional<Bytes> ReadWholeFile(const std::string& path);

/// Writes `bytes` to a temporary file beside `path` (mode 0600), flushes and
/// fsyncs it, then renames it over `path`. On failure the temporary file is
/// removed and `path` is left as it was.
bool WriteFileAtomically(const std::string& path, const Bytes& bytes);

/// Copies a file over `target` (atomically, mode 0600).
bool CopyFileAtomically(const std::string& source, const std::string& target);

/// The data folder: `explicitDir` when not empty, else $OVELIN_DATA_DIR, else
/// $XDG_DATA_HOME/ovelin, else ~/.local/share/ovelin.
std::string ResolveDataFolder(const std::string& explicitDir);

/// The root set's default store path on a first start: $XDG_DOCUMENTS_DIR, else
/// ~/Documents when it exists, else ~/MyDoc.
std::string DefaultRootStorePath();

/// An exclusive lock on the data folder's lock file, held for the object's life.
class DataFileLock {
 public:
  enum class Result { Acquired, HeldByOther, Failed };
  /// Tries to take the lock in `folder` without waiting.
  Result TryAcquire(const std::string& folder);
  bool Held() const { return fd_.valid(); }

 private:
  UniqueFd fd_;  // closing the lock file releases the lock
};

}  // namespace ovelin

#pragma once
// File-system work of the data file: reading, atomic writing, the writer lock and
// the data folder.

#include <optional>
#include <string>

#include "base/unique_fd.h"
#include "store/envelope.h"

namespace ovelin {

inline constexpr const char* kDataFileName = "AllSets.db";
inline constexpr const char* kBackupSuffix = ".bak";
inline constexpr const char* kLockSuffix = ".lock";

/// The whole content of a file; nothing when it cannot be opened or read.
std::optional<Bytes> ReadWholeFile(const std::string& path);

/// The file that `path` stands for: `path` itself, or the file that a symbolic link
/// there points to (through links to links), whether or not that file exists.
std::string ResolveLinkedFile(const std::string& path);

/// Writes `bytes` to a temporary file "<file>.XXXXXX" beside the file that `path`
/// stands for (mode 0600), flushes and fsyncs it, then renames it over that file, so
/// that a symbolic link at `path` stays and its target takes the bytes. On failure
/// the temporary file is removed and the file is left as it was.
bool WriteFileAtomically(const std::string& path, const Bytes& bytes);

/// Removes the temporary files that interrupted writes of `path` left behind: the
/// regular files named as WriteFileAtomically names them, beside the file `path`
/// stands for. Only the holder of the writer lock may call it.
void RemoveWriteLeftovers(const std::string& path);

/// Copies a file over `target` (atomically, mode 0600).
bool CopyFileAtomically(const std::string& source, const std::string& target);

/// The data folder: `explicitDir` when not empty, else $OVELIN_DATA_DIR, else
/// $XDG_DATA_HOME/ovelin, else ~/.local/share/ovelin.
std::string ResolveDataFolder(const std::string& explicitDir);

/// The root set's default store path on a first start: $XDG_DOCUMENTS_DIR, else
/// ~/Documents when it exists, else ~/MyDoc.
std::string DefaultRootStorePath();

/// An exclusive lock on the data file's lock file "<data file>.lock", beside the
/// file that the data folder's `AllSets.db` stands for; held for the object's life.
class DataFileLock {
 public:
  enum class Result { Acquired, HeldByOther, Failed };
  /// Tries to take the lock of the data file in `folder` without waiting. The new
  /// holder is the only writer: it removes what interrupted writes of the data file
  /// and of its backup copy left behind.
  Result TryAcquire(const std::string& folder);
  bool Held() const { return fd_.valid(); }

 private:
  UniqueFd fd_;  // closing the lock file releases the lock
};

}  // namespace ovelin

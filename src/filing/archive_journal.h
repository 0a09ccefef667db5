#pragma once
// The journal of an archiving batch: the moves it is about to make, kept in a
// file of its own in the data folder from before the first move until the
// batch's records are saved. A batch whose save fails moves its files back
// itself; a journal that a run left behind (killed during the save, or unable to
// move a file back) is resolved at the next start, under the writer lock.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/unique_fd.h"

namespace ovelin {

/// What tells a moved file from another one under the same name.
struct FileIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  int64_t size = 0;
  int64_t modifiedNs = 0;  // modification time, nanoseconds since the epoch
};

/// The identity of what `path` names (a link itself, not its target); nothing
/// when there is nothing.
std::optional<FileIdentity> IdentityOf(const std::string& path);

/// Whether `path` holds the file of `identity`: the same inode of the same
/// device, or on another device (a copy between file systems keeps no inode)
/// the same size and modification time.
bool HoldsFile(const std::string& path, const FileIdentity& identity);

/// One move of a batch, as planned before it is made.
struct JournalMove {
  size_t index = 0;  // the request's place in the batch
  std::string from;
  std::string to;
  FileIdentity identity;  // of `from`, before the move
};

/// The journal file of one running batch.
class ArchiveJournal {
 public:
  ArchiveJournal() = default;
  ArchiveJournal(const ArchiveJournal&) = delete;
  ArchiveJournal& operator=(const ArchiveJournal&) = delete;

  /// Writes the planned moves to a new journal file in `folder` and flushes it
  /// to disk; false when that cannot be done (nothing is left behind). Without
  /// moves no file is made.
  bool Begin(const std::string& folder, const std::vector<JournalMove>& moves);
  /// Notes where the move of batch item `index` ended (its final name may differ
  /// from the planned one). Not flushed: Sync does that once for all.
  void Landed(size_t index, const std::string& path);
  /// Flushes the notes to disk, before the batch's records are saved.
  void Sync();
  /// Removes the journal file: the records are saved, or the moves undone.
  void Remove();
  /// The journal file; empty when there is none.
  const std::string& Path() const { return path_; }
  /// The folder given to Begin.
  const std::string& Folder() const { return folder_; }

 private:
  std::string folder_;
  std::string path_;
  UniqueFd fd_;
};

/// The journal files in the data folder, in name order.
std::vector<std::string> FindArchiveJournals(const std::string& folder);

/// What a journal file says: the planned moves, and where those that were noted
/// ended. A damaged or cut-off tail is left out; a file without the journal's
/// header reads as empty (nothing was moved before the header was on disk).
struct JournalEntries {
  std::vector<JournalMove> moves;
  std::map<size_t, std::string> landed;  // batch index -> final path
};
JournalEntries ReadArchiveJournal(const std::string& path);

}  // namespace ovelin

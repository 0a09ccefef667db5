#pragma once
// Deleting file items: their records in every set and the root item list, and
// optionally their local files (to the Trash, or for good).

#include <optional>
#include <string>
#include <vector>

#include "filing/filing_environment.h"
#include "filing/filing_progress.h"
#include "store/file_set_store.h"
#include "store/trash.h"

namespace ovelin {

/// What happened to one URL of the list.
struct DeletedItem {
  std::string url;
  bool recordRemoved = false;         // an item of this URL was recorded and is gone now
  std::optional<RemovalResult> file;  // the last attempt on its local file; none when none was made

  /// True when its local file is no longer at its place (trashed, deleted or already gone).
  bool FileGone() const { return file && file->Gone(); }
};

struct DeleteResult {
  std::vector<DeletedItem> items;  // the URLs handled, in list order
  bool aborted = false;            // the list was stopped; later URLs were not touched
  bool saved = false;              // the data file was saved
};

/// For each URL in order: removes its item from every set and from the root item
/// list, and with `bDelFile` removes the local file of a "file" URL (also when no
/// item was recorded) as `removal` says: into the Trash (`environment.trash`; a
/// file whose file system has no usable trash is kept), or for good. A file
/// already gone is no failure; folders are never removed. A failure is reported
/// to `progress`: Retry tries again, Abort stops the list, Ignore (and no progress
/// object) goes on; the failure reads MessageId::DeleteFailed with the URL. What
/// was done is written back and saved once at the end. With `environment.dryRun`
/// the list runs the same way with the environment's planning removals, and no
/// record is removed and nothing saved: the result is what the real run would do.
DeleteResult DeleteItems(CFileSetStore& store, const std::vector<std::string>& urls, bool bDelFile,
                         IFilingProgress* progress, FileRemoval removal = FileRemoval::Trash,
                         const FilingEnvironment& environment = {});

}  // namespace ovelin

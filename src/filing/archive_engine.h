#pragma once
// Archiving: moves each item's file into the store path of its chosen set and
// records the item, under its new URL, in the most specific sets chosen for it.

#include <string>
#include <vector>

#include "filing/filing_environment.h"
#include "filing/filing_progress.h"
#include "filing/pigeonhole_item.h"
#include "filing/property_placement.h"
#include "store/file_set_store.h"

namespace ovelin {

/// What became of one item of a batch.
enum class ArchiveStatus {
  Moved,     // its file moved into the store path; recorded under the new URL
  Recorded,  // recorded where it is: a web address, no store path, or already in place
  Unplaced,  // it fits none of its sets: neither moved nor recorded, any old record kept
  Failed,    // its move failed and was ignored, or its store path cannot be reached: recorded where it is
};

/// What happened to one item of a batch.
struct ArchivedItem {
  std::string name;  // the name it is (or would have been) recorded under
  std::string oldUrl;
  std::string newUrl;  // equal to oldUrl when the item was not moved
  NameList sets;       // the sets that now hold the item; empty when Unplaced
  ArchiveStatus status = ArchiveStatus::Recorded;
  std::string reason;                      // why it is Unplaced or Failed, for the user; empty otherwise
  std::vector<PlacementFailure> failures;  // Unplaced: one per chosen set, the source of `reason`
};

struct ArchiveResult {
  std::vector<ArchivedItem> items;  // the items handled, in batch order
  bool aborted = false;             // the batch was stopped; later items were not touched
  bool saved = false;               // the data file was saved
};

/// Runs a batch: for each item, in order, first places it by its property values
/// below the most specific of `BelongSets` (the root set when none). An item that
/// fits none of those sets is left alone: its file stays, any record of its URL
/// stays, and its result says why. Otherwise a "file" URL item moves into the
/// store path of `PigPathSet` (re-creating the folders below `BasePath`'s last
/// piece, creating missing folders, renaming with a UTC time stamp when the name is
/// taken, never replacing anything), and its record is replaced by one under the
/// new URL in the sets found. A failed move is reported to `progress`: Retry tries
/// again, Abort stops the batch, Ignore (and no progress object) keeps the item
/// where it is and still records it. A file whose store path cannot be reached (see
/// UnreachableStorePathReason) is reported the same way, with the reason, and
/// stays where it is. An unplaced item raises no question. Whatever
/// was done is written back and saved once at the end, also after an Abort.
///
/// Before the first move the batch's moves are written to a journal in the data
/// folder and flushed to disk (see archive_journal.h); when that fails, the
/// question is asked once (Ignore: no file moves, the items are Failed and
/// recorded where they are). The journal goes once the save succeeded. When the
/// save fails the moved files go back, never replacing anything, and their items
/// are recorded where they are (Failed, kMovedBackMessage); a file that cannot
/// go back stays Moved, and its journal stays for ResolveArchiveJournals.
/// The failures read MessageId::MoveFailed (with the item's URL), JournalFailed
/// (with the data folder) and MovedBack.
///
/// With `environment.dryRun` (see PlanningEnvironment) the batch runs the same
/// way with planning primitives, and writes no journal, changes no record and
/// does not save: the result is what the real run would do (saved stays false).
ArchiveResult Archive(CFileSetStore& store, const PigeonholeBatch& batch, IFilingProgress* progress,
                      const FilingEnvironment& environment = {});

}  // namespace ovelin

#pragma once
// Archiving: moves each item's file into the store path of its chosen set and
// records the item, under its new URL, in the most specific sets chosen for it.

#include <string>
#include <vector>

#include "filing/filing_environment.h"
#include "filing/filing_progress.h"
#include "filing/pigeonhole_item.h"
#include "store/file_set_store.h"

namespace ovelin {

/// The error text of a failed move; the item's URL follows it.
inline constexpr const char* kMoveFailedMessage = "移动文件失败:\n";

/// What happened to one item of a batch.
struct ArchivedItem {
  std::string oldUrl;
  std::string newUrl;       // equal to oldUrl when the item was not moved
  NameList sets;            // the sets that now hold the item (may be empty)
  bool moveFailed = false;  // the move failed and the item stayed where it was
};

struct ArchiveResult {
  std::vector<ArchivedItem> items;  // the items handled, in batch order
  bool aborted = false;             // the batch was stopped; later items were not touched
  bool saved = false;               // the data file was saved
};

/// Runs a batch: for each item, in order, moves a "file" URL item into the store
/// path of `PigPathSet` (re-creating the folders below `BasePath`'s last piece,
/// creating missing folders, renaming with a UTC time stamp when the name is taken,
/// never replacing anything), then replaces the item's record by one under the new
/// URL in the most specific of `BelongSets` (the root set when none), placed
/// further down by its property values. A failed move is reported to `progress`:
/// Retry tries again, Abort stops the batch, Ignore (and no progress object) keeps
/// the item where it is and still records it. Whatever was done is written back
/// and saved once at the end, also after an Abort.
ArchiveResult Archive(CFileSetStore& store, const PigeonholeBatch& batch, IFilingProgress* progress,
                      const FilingEnvironment& environment = {});

}  // namespace ovelin

#pragma once
// Recording an archived item: where it belongs, decided before its file moves, and
// the replacement of its old record by one in those sets.

#include <string>
#include <vector>

#include "filing/pigeonhole_item.h"
#include "filing/property_placement.h"
#include "filing/touched_sets.h"
#include "store/file_set_store.h"

namespace ovelin {

/// The most specific existing entity sets named in a ";"-joined list: names that
/// are no entity set are dropped, and so is every set that has another listed set
/// among its descendants. The root set when nothing remains.
NameList MostSpecificSets(const CFileSetStore& store, const std::string& belongSets);

/// The record an archiving request makes, before its file moves.
struct PlannedRecord {
  CFileItem item;                          // name, description, completed values and owning sets; no path yet
  std::vector<PlacementFailure> failures;  // one per chosen set, when no set accepts the item

  /// Whether some set accepts the item.
  bool Placed() const { return !item.GetOwningSets().empty(); }
};

/// Places the request's item below the most specific of its sets by its property
/// values; changes nothing.
PlannedRecord PlanRecord(const CFileSetStore& store, const ITEM_PIGEONHOLE_STRUCT& request);

/// Replaces the record of `oldUrl` (and any stale record of `newUrl`) by `item`
/// at `newUrl` in its owning sets; changes the touched sets and the root item list.
void RecordArchivedItem(CFileSetStore& store, TouchedSets& touched, const std::string& oldUrl, CFileItem item,
                        const std::string& newUrl);

/// The name an item is recorded under: `Name`, or when that is empty the file name
/// of the URL, or the URL itself.
std::string ItemNameOf(const ITEM_PIGEONHOLE_STRUCT& request);

}  // namespace ovelin

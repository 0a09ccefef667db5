#pragma once
// Recording an archived item: replacing its old record by one in the sets chosen for it.

#include <string>

#include "filing/pigeonhole_item.h"
#include "filing/touched_sets.h"
#include "store/file_set_store.h"

namespace ovelin {

/// The most specific existing entity sets named in a ";"-joined list: names that
/// are no entity set are dropped, and so is every set that has another listed set
/// among its descendants. The root set when nothing remains.
NameList MostSpecificSets(const CFileSetStore& store, const std::string& belongSets);

/// Replaces the record of `request.Url` (and any stale record of `newUrl`) by a new
/// item at `newUrl`, placed by its property values below the most specific of its
/// sets; changes the touched sets and the root item list. Returns the sets that hold it.
NameList RecordArchivedItem(CFileSetStore& store, TouchedSets& touched, const ITEM_PIGEONHOLE_STRUCT& request,
                            const std::string& newUrl);

/// The name an item is recorded under: `Name`, or when that is empty the file name
/// of the URL, or the URL itself.
std::string ItemNameOf(const ITEM_PIGEONHOLE_STRUCT& request);

}  // namespace ovelin

#pragma once
// Property placement: the most specific sets of a branch whose property ranges an
// item's values meet.

#include <string>

#include "store/file_item.h"
#include "store/file_set_store.h"

namespace ovelin {

/// The sets that an item with the property values of `values` lands in when filed
/// into `set`: the set alone when it has no definitions in force; otherwise the
/// union of its children's answers, or, when that is empty, the set itself if every
/// definition's value is present and within its bounds. An empty value takes the
/// definition's initial value, and keeps it in `values`. Sorted in name order.
NameList PlaceItem(const CFileSetStore& store, const std::string& set, CFileItem& values);

/// Whether `value` lies within the definition's bounds (empty bounds are open):
/// NUMBER compares as decimal numbers, STRING in UTF-16 code-unit order, any other
/// type is always within.
bool IsWithinBounds(const PropertyDefinition& definition, const std::string& value);

}  // namespace ovelin

#pragma once
// Property placement: the most specific sets of a branch whose property ranges an
// item's values meet, and why a set refuses an item.

#include <optional>
#include <string>
#include <vector>

#include "store/file_item.h"
#include "store/file_set_store.h"

namespace ovelin {

/// How an item's values missed a set's definitions.
enum class PlacementFailureKind {
  BelowMinimum,  // the value is below the definition's minimum
  AboveMaximum,  // the value is above the definition's maximum
  MissingValue,  // the item has no value for a property in force
};

/// The first definition of `set` that the item's values missed.
struct PlacementFailure {
  PlacementFailureKind kind = PlacementFailureKind::MissingValue;
  std::string property;
  std::string value;  // the value tested (after completion by the initial value); empty when missing
  std::string set;    // the set that was tested
  std::string bound;  // the minimum or maximum missed; empty when the value is missing

  bool operator==(const PlacementFailure&) const = default;
};

/// The user's text for why an item fits none of its sets, one sentence per
/// failure joined by "；", e.g. "属性Year的值1989低于文件集Licenses的下限1990".
/// Every front end reports placement failures through this one function.
std::string PlacementFailureText(const std::vector<PlacementFailure>& failures);

/// Where an item lands when filed into one set.
struct Placement {
  NameList sets;                            // sorted in name order; empty when nowhere
  std::optional<PlacementFailure> failure;  // why the set itself refused the item, when `sets` is empty
};

/// The sets that an item with the property values of `values` lands in when filed
/// into `set`: the set alone when it has no definitions in force; otherwise the
/// union of its children's answers, or, when that is empty, the set itself if every
/// definition's value is present and within its bounds. An empty value takes the
/// definition's initial value, and keeps it in `values`.
Placement PlaceItem(const CFileSetStore& store, const std::string& set, CFileItem& values);

/// Whether `value` lies within the definition's bounds (empty bounds are open):
/// NUMBER compares as decimal numbers, STRING in UTF-16 code-unit order, any other
/// type is always within.
bool IsWithinBounds(const PropertyDefinition& definition, const std::string& value);

}  // namespace ovelin

#pragma once
// Editing a recorded item in place: its name, description, property values and
// owning sets, checked before anything changes. The item's file never moves.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/check_result.h"
#include "store/file_item.h"
#include "store/file_set_store.h"

namespace ovelin {

/// What an edit changes; what it leaves out keeps the item's own.
struct ItemEdit {
  std::optional<std::string> name;
  std::optional<std::string> description;
  std::vector<std::pair<std::string, std::string>> values;  // (property, value), applied in order
  std::optional<NameList> sets;                             // replaces the owning sets
};

/// The item of `path` as the edit leaves it, in `edited`, or why it is refused:
/// no such item, a blank name, an unknown or no set, sets whose definitions clash,
/// a property none of the sets has in force, or a value outside the range of a
/// set's definition in force (every value when the sets change, else the values
/// the edit gives; an empty value takes the initial value). New sets give the
/// initial value to a property the item lacks, and values no set defines any more
/// are dropped. Changes nothing.
CheckResult PlanItemEdit(const CFileSetStore& store, const std::string& path, const ItemEdit& edit, CFileItem& edited);

/// Plans the edit and, when it passes, replaces the item's record in its old and
/// new sets and in the root item list. The caller saves.
CheckResult EditItem(CFileSetStore& store, const std::string& path, const ItemEdit& edit);

}  // namespace ovelin

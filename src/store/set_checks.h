#pragma once
// The checks that both front ends make before they create or change an entity
// set: names, parents, store paths and property definitions. Each returns success
// or the message to show with its reason.

#include <string>
#include <vector>

#include "base/check_result.h"
#include "store/file_set_store.h"

namespace ovelin {

/// The name may name a new set: not blank, no illegal character, not used by a
/// set (then `usedMessage`) or a view set (then NameExists), with the reason naming which.
CheckResult CheckNewSetName(const CFileSetStore& store, const std::string& name, MessageId usedMessage);

/// An entity set of that name exists.
CheckResult CheckSetExists(const CFileSetStore& store, const std::string& name);

/// Every listed parent exists.
CheckResult CheckParentsExist(const CFileSetStore& store, const NameList& parents);

/// None of `parents` is `name` itself or one of its descendants.
CheckResult CheckNoCycle(const CFileSetStore& store, const std::string& name, const NameList& parents);

/// Reads "name;type;min;max;init[;origin]" texts into `definitions`: five fields
/// at least, a legal and unique name, type NUMBER or STRING; the origin defaults
/// to "Self".
CheckResult ParseDefinitions(const std::vector<std::string>& texts, DefinitionList& definitions);

/// The definitions the parents pass down do not conflict with each other.
CheckResult CheckParentConflicts(const CFileSetStore& store, const NameList& parents);

/// The set's own definitions do not conflict with those the parents pass down.
CheckResult CheckOwnConflicts(const CFileSetStore& store, const NameList& parents, const DefinitionList& own);

/// None of `wanted` changes the type of a definition the set makes itself.
CheckResult CheckNoTypeChange(const CFileSetStore& store, const std::string& name, const DefinitionList& wanted);

/// Every property named by `names` is defined by one of `sets` (or, without sets,
/// the root set), by an ancestor of one, or by a descendant that the item may be
/// placed into.
CheckResult CheckPropertiesDefined(const CFileSetStore& store, const NameList& sets, const NameList& names);

/// A store path that extends a parent names one of `parents`.
CheckResult CheckExtendedParent(const StorePath& path, const NameList& parents);

}  // namespace ovelin

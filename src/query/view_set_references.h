#pragma once
// Names of sets and view sets inside saved view-set expressions: rewriting
// them when a name changes, and finding the view sets that still use a name.

#include <string>
#include <string_view>

#include "store/file_set_store.h"

namespace ovelin {

/// The expression with every operand named `oldName` named `newName`, token
/// by token as the tokeniser reads it: only an operand's name changes, never a
/// condition, a text inside double quotes or a longer name containing it.
std::string RenameInExpression(std::string_view expression, std::string_view oldName, std::string_view newName);

/// Whether an operand of the expression is named `name`.
bool ExpressionNames(std::string_view expression, std::string_view name);

/// Rewrites every view set's expression that names `oldName` to name `newName`
/// instead (nothing is saved); returns the view sets changed, in name order.
NameList RenameReferences(CFileSetStore& store, std::string_view oldName, std::string_view newName);

/// The view sets whose expressions name `name`, in name order.
NameList ViewSetsReferring(const CFileSetStore& store, std::string_view name);

/// Renames an entity set and every view-set expression naming it (nothing is
/// saved). False, and nothing changed, when the store refuses the new name.
bool RenameFileSetWithReferences(CFileSetStore& store, const std::string& oldName, const std::string& newName);

}  // namespace ovelin

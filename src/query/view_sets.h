#pragma once
// View sets: named, saved expressions. The checked operations over the store's
// view set storage; each successful change saves the data file. Each operation
// answers success, or its message with the reason: the name, the expression (its
// cause and character position) or the save.

#include <string>
#include <string_view>

#include "base/check_result.h"
#include "store/file_set_store.h"

namespace ovelin {

/// Suffix of the name of an entity set's quick view set.
inline constexpr std::string_view kQuickViewSetSuffix = "的快捷";

/// All view set names, sorted in name order without duplicates.
NameList ListViewSetNames(const CFileSetStore& store);

/// The stored expression of the view set; empty when there is none.
std::string GetViewSetExpression(const CFileSetStore& store, std::string_view name);

/// Whether an entity set or a view set has the name, and which of the two.
NameUse ViewSetNameExists(const CFileSetStore& store, std::string_view name);

/// The name may name a new view set: not blank, no illegal character, not used
/// by a set or a view set; else `message` with the reason.
CheckResult CheckViewSetName(const CFileSetStore& store, const std::string& name, MessageId message);

/// Adds a view set after checking the name (valid, unused) and the expression
/// (it evaluates); saves. Fails with "新增视图集失败，...".
CheckResult AddViewSet(CFileSetStore& store, const std::string& name, const std::string& expression);

/// Replaces the expression of an existing view set after checking that the new
/// one evaluates (with the view set already standing for it, so an expression
/// that leads back to the view set is refused); saves. Fails with "表达式语法错误，请检查！".
CheckResult UpdateViewSetExpression(CFileSetStore& store, const std::string& name, const std::string& expression);

/// Renames a view set; the new name must be valid and unused unless it equals
/// the old one (then nothing changes). Every view-set expression naming it is
/// rewritten to the new name. Saves. Fails with "名称错误，请检查！".
CheckResult RenameViewSet(CFileSetStore& store, const std::string& oldName, const std::string& newName);

/// Removes a view set; saves. Fails with "删除视图集失败！".
CheckResult DeleteViewSet(CFileSetStore& store, const std::string& name);

/// The name of the quick view set of an entity set: the set's name and "的快捷".
std::string QuickViewSetName(std::string_view setName);

/// Adds the quick view set of an entity set: its quick name, the set's name as expression.
bool AddQuickViewSet(CFileSetStore& store, const std::string& setName);

}  // namespace ovelin

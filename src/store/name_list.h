#pragma once
// Set names: the name rule and ";"-joined name lists kept sorted without duplicates.

#include <string>
#include <string_view>
#include <vector>

namespace ovelin {

using NameList = std::vector<std::string>;

/// The characters that no set, view set or property name may contain.
inline constexpr std::string_view kIllegalNameCharacters = "<>/\\|;:\"?.+-() ^";

/// True when `name` is empty or holds nothing but white space (space, tab, line ends).
bool IsBlankName(std::string_view name);

/// True when `name` is not blank and contains no illegal character.
bool IsValidName(std::string_view name);

/// Splits a ";"-joined text, drops empty pieces, sorts in name order, drops duplicates.
NameList SplitNames(std::string_view text);

/// Splits a ";"-joined text, drops empty pieces, keeps the order and duplicates.
NameList SplitNamesInOrder(std::string_view text);

/// Joins names with ";".
std::string JoinNames(const NameList& names);

/// Inserts `name` in sorted place unless present or empty; true when inserted.
bool InsertName(NameList& sorted, const std::string& name);

/// Removes `name` when present; true when removed.
bool RemoveName(NameList& sorted, std::string_view name);

/// True when the sorted list holds `name`.
bool ContainsName(const NameList& sorted, std::string_view name);

/// Sorts in name order and drops duplicates.
void SortNames(NameList& names);

}  // namespace ovelin

#pragma once
// Testing item property values against conditions.

#include <string_view>

#include "query/operand.h"
#include "store/file_item.h"

namespace ovelin {

/// A condition value read as a number: the C library's leading-decimal rule,
/// independent of the locale; text that is no number (NaN included) reads as 0.
double ConditionNumber(std::string_view text);

/// Three-way comparison of two values of the type: NUMBER as numbers, STRING by
/// UTF-16 code units; any other type compares equal.
int CompareValues(std::string_view type, std::string_view a, std::string_view b);

/// True when the value passes both bounds of the condition.
bool ValuePasses(const Condition& condition, std::string_view value);

/// True when the item's value of the condition's property (empty when it has
/// none) passes the condition.
bool ItemPasses(const CFileItem& item, const Condition& condition);

}  // namespace ovelin

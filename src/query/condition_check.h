#pragma once
// Testing item property values against conditions.

#include <string_view>

#include "query/operand.h"
#include "store/file_item.h"
#include "store/value_order.h"

namespace ovelin {

/// True when the value passes both bounds of the condition.
bool ValuePasses(const Condition& condition, std::string_view value);

/// True when the item's value of the condition's property (empty when it has
/// none) passes the condition.
bool ItemPasses(const CFileItem& item, const Condition& condition);

}  // namespace ovelin

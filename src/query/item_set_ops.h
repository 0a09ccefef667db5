#pragma once
// The set operations on result lists, as linear merges of path-sorted lists.
// The lists are taken by value: pass them with std::move when they are no longer
// needed, and their items are moved instead of copied.

#include <optional>

#include "store/item_list.h"

namespace ovelin {

/// Items of both lists; an item in both takes the right item's sets and values
/// into the left one. Named left "+" right.
ItemList UnionItems(ItemList left, ItemList right);

/// The left items whose path the right list holds, each also taking the right
/// item's set names. Named left "^" right.
ItemList IntersectItems(ItemList left, const ItemList& right);

/// The left items whose path the right list lacks. Named left "-" right.
ItemList SubtractItems(ItemList left, const ItemList& right);

/// `left op right` for op "+", "^" or "-"; nothing for any other operator.
std::optional<ItemList> ApplyOperator(ItemList left, char op, ItemList right);

}  // namespace ovelin

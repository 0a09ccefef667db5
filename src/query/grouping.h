#pragma once
// The grouping list of an evaluated expression: which sub-results the query
// panel can split its result into.

#include <string>
#include <vector>

#include "query/syntax_tree.h"
#include "store/file_set_store.h"

namespace ovelin {

/// Entries "key:member;member;..." in tree order: a leaf naming a set with child
/// sets gives the set and its children; a union gives its own text and its
/// operands (names of leaves, texts of other nodes); an intersection passes on
/// to both sides, a difference to its left side.
std::vector<std::string> GroupingList(const syntax_tee_node_struct* root, const CFileSetStore& store);

}  // namespace ovelin

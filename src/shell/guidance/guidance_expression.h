#pragma once
// The sets of related-query guidance as plain data: the tree of set paths with a
// mark on every set, and the expression the marks make of the starting operand.

#include <string>
#include <vector>

#include "store/name_list.h"

namespace ovelin {

/// What a set of the guidance tree adds to the query.
enum GuidanceMark : int {
  kGuidanceUnmarked = 1,   // nothing
  kGuidanceIntersect = 2,  // "^" and the name: keep only items also in the set
  kGuidanceExcept = 3,     // "-" and the name: remove the set's items
};

/// The set paths ("/Root/A/B") the guidance dialog shows, and how many more
/// paths to the same sets it leaves out.
struct GuidancePaths {
  NameList paths;
  size_t leftOut = 0;
};

struct GuidanceNode {
  std::string name;
  GuidanceMark mark = kGuidanceUnmarked;
  std::vector<GuidanceNode> children;
};

/// The mark after `mark` when it is clicked: unmarked, intersect, except, unmarked.
GuidanceMark NextGuidanceMark(GuidanceMark mark);

/// The union of set paths ("/Root/A/B"; the part before the first "/" is ignored):
/// each name is looked up among the children of the previous one (the first among
/// the top-level nodes) and appended when missing, so names keep the order in
/// which they first occur. Every node starts unmarked.
std::vector<GuidanceNode> BuildGuidanceTree(const NameList& paths);

/// The expression that narrows `base` by the marks: each node's children's terms
/// merged (a known term skipped, a new "^" term in front, any other new term at the
/// end), then its own mark (intersect adds "^name" in front unless a "^" term is
/// there; except leaves "-name" as the only term). The terms are the first
/// top-level node's, any further top-level node's merged in. No terms: `base`;
/// else "(" base ")" and the terms.
std::string GuidanceExpression(const std::vector<GuidanceNode>& topLevel, const std::string& base);

}  // namespace ovelin

// Related-query guidance: the tree of set paths and the expression its marks make.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/guidance/guidance_expression.h"

namespace ovelin {
namespace {

GuidanceNode Node(const std::string& name, GuidanceMark mark, std::vector<GuidanceNode> children = {}) {
  return {name, mark, std::move(children)};
}

constexpr GuidanceMark U = kGuidanceUnmarked;
constexpr GuidanceMark I = kGuidanceIntersect;
constexpr GuidanceMark E = kGuidanceExcept;

// "Name" with its children's names in brackets, for comparing whole trees.
std::string Shape(const std::vector<GuidanceNode>& nodes) {
  std::string text;
  for (const auto& node : nodes) {
    if (!text.empty()) text += ",";
    text += node.name;
    if (!node.children.empty()) text += "[" + Shape(node.children) + "]";
  }
  return text;
}

TEST(GuidanceExpression, MarksNarrowTheBaseOperand) {
  struct Case {
    const char* what;
    std::vector<GuidanceNode> tree;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"nothing marked", {Node("R", U, {Node("A", U), Node("B", U)})}, "V"},
      {"intersect then except among siblings", {Node("R", U, {Node("A", I), Node("B", E)})}, "(V)^A-B"},
      {"a marked descendant replaces its marked ancestor",
       {Node("R", U, {Node("A", I, {Node("A1", U, {Node("A11", I)})})})},
       "(V)^A11"},
      {"except drops every term below", {Node("R", U, {Node("A", E, {Node("A1", I), Node("A2", E)})})}, "(V)-A"},
      {"new intersect terms go in front, others at the end",
       {Node("R", U, {Node("A", E), Node("B", I), Node("C", E), Node("D", I)})},
       "(V)^D^B-A-C"},
      {"a set under two parents gives its term once",
       {Node("R", U, {Node("P", U, {Node("S", I)}), Node("Q", U, {Node("S", I)})})},
       "(V)^S"},
      {"root marked except", {Node("R", E, {Node("A", I)})}, "(V)-R"},
      {"further top-level nodes are merged in",
       {Node("R", U, {Node("A", E), Node("B", I)}), Node("X", I)},
       "(V)^X^B-A"},
      {"no tree", {}, "V"},
  };
  for (const auto& c : cases) EXPECT_EQ(GuidanceExpression(c.tree, "V"), c.expected) << c.what;
  EXPECT_EQ(GuidanceExpression(cases[1].tree, "A+B"), "(A+B)^A-B");
}

TEST(GuidanceTree, IsTheUnionOfPathsInOrderOfFirstOccurrence) {
  const auto tree = BuildGuidanceTree({"/R/Zeta/Both", "/R/Alpha/Both/Leaf", "/R/Zeta/Both/Leaf", "/R", "/R/Alpha"});
  EXPECT_EQ(Shape(tree), "R[Zeta[Both[Leaf]],Alpha[Both[Leaf]]]");
  for (const auto& node : tree) EXPECT_EQ(node.mark, kGuidanceUnmarked);
  EXPECT_EQ(Shape(BuildGuidanceTree({"/R/A", "/Other/B", "", "no slash", "/R//C/"})), "R[A,C],Other[B]");
  EXPECT_TRUE(BuildGuidanceTree({}).empty());
}

}  // namespace
}  // namespace ovelin

#pragma once
// The syntax tree of an expression: one node per operand and per operator
// application, each carrying the normalised text of its subtree.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "query/operand.h"

namespace ovelin {

struct syntax_tee_node_struct;
/// A tree (or subtree) owned by its holder; a parent owns its children.
using SyntaxTree = std::unique_ptr<syntax_tee_node_struct>;

struct syntax_tee_node_struct {
  std::string text;  // normalised text of the subtree
  std::string op;    // empty for a leaf, else "+", "^" or "-"
  syntax_tee_node_struct* parent = nullptr;
  SyntaxTree left;
  SyntaxTree right;
  std::optional<Operand> operand;  // a leaf's parsed operand token
  bool emptySet = false;           // the leaf that stands for the empty set

  syntax_tee_node_struct() = default;
  syntax_tee_node_struct(const syntax_tee_node_struct&) = delete;
  syntax_tee_node_struct& operator=(const syntax_tee_node_struct&) = delete;
  /// Releases the subtree without recursion, however deep it is.
  ~syntax_tee_node_struct();

  bool IsLeaf() const { return op.empty(); }
  /// True for the leaf that stands for the empty set (not for a set that is named like it).
  bool IsEmptySet() const { return emptySet; }
};

/// A leaf for an operand token (its text as written); the token is parsed once here.
SyntaxTree MakeLeaf(std::string_view token);

/// The leaf "#空集#" that stands for the empty set.
SyntaxTree MakeEmptySetLeaf();

/// An operator node over two subtrees; its text is left text, operator, right text.
SyntaxTree MakeOperatorNode(std::string_view op, SyntaxTree left, SyntaxTree right);

/// Moves the subtree into `slot` and points its parent link at `parent`.
void AttachChild(syntax_tee_node_struct& parent, SyntaxTree& slot, SyntaxTree child);

/// True when the text is enclosed as a whole in one pair of parentheses
/// (parentheses inside double quotes do not count).
bool IsWrappedInOnePair(std::string_view text);

/// The texts of the leaves whose items can reach the result: both sides of "+"
/// and "^", the left side of "-", left before right; the empty set has none.
std::vector<std::string> PositiveLeaves(const syntax_tee_node_struct* root);

}  // namespace ovelin

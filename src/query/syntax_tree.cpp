#include "query/syntax_tree.h"

namespace ovelin {

syntax_tee_node_struct::~syntax_tee_node_struct() {
  std::vector<SyntaxTree> pending;
  if (left) pending.push_back(std::move(left));
  if (right) pending.push_back(std::move(right));
  while (!pending.empty()) {
    SyntaxTree node = std::move(pending.back());
    pending.pop_back();
    if (node->left) pending.push_back(std::move(node->left));
    if (node->right) pending.push_back(std::move(node->right));
    // `node` now has no children, so its destructor does not descend.
  }
}

SyntaxTree MakeLeaf(std::string_view token) {
  auto leaf = std::make_unique<syntax_tee_node_struct>();
  leaf->text = std::string(token);
  leaf->operand = ParseOperand(token);
  return leaf;
}

SyntaxTree MakeEmptySetLeaf() {
  SyntaxTree leaf = MakeLeaf(kEmptySetName);
  leaf->emptySet = true;
  return leaf;
}

void AttachChild(syntax_tee_node_struct& parent, SyntaxTree& slot, SyntaxTree child) {
  slot = std::move(child);
  if (slot) slot->parent = &parent;
}

SyntaxTree MakeOperatorNode(std::string_view op, SyntaxTree left, SyntaxTree right) {
  auto node = std::make_unique<syntax_tee_node_struct>();
  node->op = std::string(op);
  node->text.reserve(left->text.size() + op.size() + right->text.size());
  node->text.append(left->text).append(op).append(right->text);
  AttachChild(*node, node->left, std::move(left));
  AttachChild(*node, node->right, std::move(right));
  return node;
}

bool IsWrappedInOnePair(std::string_view text) {
  if (text.size() < 2 || text.front() != '(' || text.back() != ')') return false;
  bool quoted = false;
  size_t depth = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '(') ++depth;
    if (c == ')' && depth > 0 && --depth == 0 && i + 1 < text.size()) return false;
  }
  return depth == 0;
}

std::vector<std::string> PositiveLeaves(const syntax_tee_node_struct* root) {
  std::vector<std::string> leaves;
  std::vector<const syntax_tee_node_struct*> pending;
  if (root) pending.push_back(root);
  while (!pending.empty()) {
    const syntax_tee_node_struct* node = pending.back();
    pending.pop_back();
    if (node->IsLeaf()) {
      if (!node->IsEmptySet()) leaves.push_back(node->text);
      continue;
    }
    if (node->op != "-" && node->right) pending.push_back(node->right.get());
    if (node->left) pending.push_back(node->left.get());
  }
  return leaves;
}

}  // namespace ovelin

#include "query/grouping.h"

namespace ovelin {
namespace {

std::string LeafName(const syntax_tee_node_struct& leaf) { return leaf.operand ? leaf.operand->name : leaf.text; }

// The operands of a chain of unions: names of leaves, texts of other nodes.
std::string UnionMembers(const syntax_tee_node_struct& node) {
  NameList members;
  std::vector<const syntax_tee_node_struct*> pending{&node};
  while (!pending.empty()) {
    const syntax_tee_node_struct* current = pending.back();
    pending.pop_back();
    if (current->op == "+") {
      pending.push_back(current->right.get());
      pending.push_back(current->left.get());
    } else {
      members.push_back(current->IsLeaf() ? LeafName(*current) : current->text);
    }
  }
  return JoinNames(members);
}

}  // namespace

std::vector<std::string> GroupingList(const syntax_tee_node_struct* root, const CFileSetStore& store) {
  std::vector<std::string> entries;
  std::vector<const syntax_tee_node_struct*> pending;
  if (root) pending.push_back(root);
  while (!pending.empty()) {
    const syntax_tee_node_struct* node = pending.back();
    pending.pop_back();
    if (node->IsEmptySet()) continue;
    if (node->IsLeaf()) {
      const std::string name = LeafName(*node);
      const NameList childs = store.GetChilds(name);
      if (!childs.empty()) entries.push_back(name + ":" + JoinNames(childs));
    } else if (node->op == "+") {
      entries.push_back(node->text + ":" + UnionMembers(*node));
    } else if (node->op == "^") {
      pending.push_back(node->right.get());
      pending.push_back(node->left.get());
    } else if (node->op == "-") {
      pending.push_back(node->left.get());
    }
  }
  return entries;
}

}  // namespace ovelin

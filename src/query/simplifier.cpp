#include "query/simplifier.h"

#include <vector>

#include "query/containment.h"
#include "query/expression_limits.h"

namespace ovelin {
namespace {

using OperandList = std::vector<SyntaxTree>;

SyntaxTree CombineAt(char op, SyntaxTree left, SyntaxTree right, EvaluationContext& context, int depth);

// The operands of a chain of the same operator, left to right; the joining nodes are discarded.
OperandList Flatten(SyntaxTree node, char op) {
  OperandList operands;
  std::vector<SyntaxTree> pending;
  pending.push_back(std::move(node));
  while (!pending.empty()) {
    SyntaxTree current = std::move(pending.back());
    pending.pop_back();
    if (current->op.size() == 1 && current->op[0] == op) {
      pending.push_back(std::move(current->right));
      pending.push_back(std::move(current->left));
      continue;
    }
    current->parent = nullptr;
    operands.push_back(std::move(current));
  }
  return operands;
}

bool IsUnionOrDifference(const syntax_tee_node_struct& node) { return node.op == "+" || node.op == "-"; }

// Puts a union or difference in parentheses unless it already has them, so that
// its text keeps its meaning as the operand of a tighter or a left-associative
// operator. Rewriting can put such a node where the parser never saw one: the
// left side of A+B-C intersected with D becomes (A+B)^D, not A+B^D.
void EnsureGrouped(syntax_tee_node_struct& node, EvaluationContext& context) {
  if (!IsUnionOrDifference(node) || IsWrappedInOnePair(node.text)) return;
  node.text = "(" + node.text + ")";
  context.ChargeText(2);
}

SyntaxTree Join(char op, SyntaxTree left, SyntaxTree right, EvaluationContext& context) {
  if (op == '^') EnsureGrouped(*left, context);
  EnsureGrouped(*right, context);
  SyntaxTree node = MakeOperatorNode(std::string_view(&op, 1), std::move(left), std::move(right));
  context.ChargeText(node->text.size());
  return node;
}

// Replaces the left side X of the difference `diff` (X-Y) by X^other.
void IntersectDifference(syntax_tee_node_struct& diff, SyntaxTree other, EvaluationContext& context, int depth) {
  const bool wrapped = IsWrappedInOnePair(diff.text);
  const size_t oldSize = diff.text.size();
  SyntaxTree combined = CombineAt('^', std::move(diff.left), std::move(other), context, depth + 1);
  AttachChild(diff, diff.left, std::move(combined));
  EnsureGrouped(*diff.right, context);
  diff.text = diff.left->text + "-" + diff.right->text;
  if (wrapped) diff.text = "(" + diff.text + ")";
  if (diff.text.size() > oldSize) context.ChargeText(diff.text.size() - oldSize);
}

bool IsDifference(const SyntaxTree& node) { return node->op == "-"; }

// Compares every left operand with every right one (both from the last), dropping
// operands that another contains; for "^" a difference takes the other operand in.
void SimplifyPairs(char op, OperandList& lefts, OperandList& rights, EvaluationContext& context, int depth) {
  const bool intersect = op == '^';
  const bool mayLift = intersect && depth < kMaxTreeDepth;
  for (size_t i = lefts.size(); i-- > 0;) {
    bool dropLeft = false;
    for (size_t j = rights.size(); j-- > 0 && !dropLeft;) {
      if (Contained(lefts[i].get(), rights[j].get(), context)) {
        if (intersect)
          rights.erase(rights.begin() + j);
        else
          dropLeft = true;
      } else if (Contained(rights[j].get(), lefts[i].get(), context)) {
        if (intersect)
          dropLeft = true;
        else
          rights.erase(rights.begin() + j);
      } else if (mayLift && IsDifference(lefts[i])) {
        SyntaxTree right = std::move(rights[j]);
        rights.erase(rights.begin() + j);
        IntersectDifference(*lefts[i], std::move(right), context, depth);
      } else if (mayLift && IsDifference(rights[j])) {
        IntersectDifference(*rights[j], std::move(lefts[i]), context, depth);
        dropLeft = true;
      }
    }
    if (dropLeft) lefts.erase(lefts.begin() + i);
  }
}

SyntaxTree CombineDifference(SyntaxTree left, SyntaxTree right, EvaluationContext& context) {
  if (Contained(left.get(), right.get(), context)) return MakeEmptySetLeaf();
  // X minus nothing is X; this also keeps "#空集#" out of any larger normalised
  // text, where it would read as an unknown name when the text is run again.
  if (right->IsEmptySet()) return left;
  return Join('-', std::move(left), std::move(right), context);
}

SyntaxTree CombineAt(char op, SyntaxTree left, SyntaxTree right, EvaluationContext& context, int depth) {
  if (op == '-') return CombineDifference(std::move(left), std::move(right), context);
  OperandList operands = Flatten(std::move(left), op);
  OperandList rights = Flatten(std::move(right), op);
  SimplifyPairs(op, operands, rights, context, depth);
  for (auto& operand : rights) operands.push_back(std::move(operand));
  if (operands.empty()) return MakeEmptySetLeaf();  // unreachable: a drop always keeps its partner
  SyntaxTree chain = std::move(operands.front());
  for (size_t i = 1; i < operands.size(); ++i) chain = Join(op, std::move(chain), std::move(operands[i]), context);
  return chain;
}

}  // namespace

SyntaxTree Combine(char op, SyntaxTree left, SyntaxTree right, EvaluationContext& context) {
  return CombineAt(op, std::move(left), std::move(right), context, 0);
}

}  // namespace ovelin

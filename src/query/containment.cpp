#include "query/containment.h"

#include <string_view>

#include "query/condition_check.h"
#include "query/expression_limits.h"

namespace ovelin {
namespace {

struct BoundView {
  bool present = false;
  char marker = 0;
  std::string_view value;
};

BoundView ViewBound(const std::string& bound) {
  if (bound.empty()) return {};
  return {true, bound[0], std::string_view(bound).substr(1)};
}

bool IsNotEqual(const Condition& c) { return !c.lower.empty() && c.lower[0] == kNotEqualBound; }

// a's lower bound admits no value below b's lower bound.
bool LowerWithin(const std::string& type, BoundView a, BoundView b) {
  if (!b.present) return true;
  if (!a.present) return false;
  const int cmp = CompareValues(type, a.value, b.value);
  if (cmp != 0) return cmp > 0;
  return !(a.marker == kInclusiveBound && b.marker == kExclusiveBound);
}

// a's upper bound admits no value above b's upper bound.
bool UpperWithin(const std::string& type, BoundView a, BoundView b) {
  if (!b.present) return true;
  if (!a.present) return false;
  const int cmp = CompareValues(type, a.value, b.value);
  if (cmp != 0) return cmp < 0;
  return !(a.marker == kInclusiveBound && b.marker == kExclusiveBound);
}

// The not-equal value `w` lies outside the interval that `a` admits.
bool ExcludesValue(const Condition& a, std::string_view w) {
  const BoundView lower = ViewBound(a.lower);
  const BoundView upper = ViewBound(a.upper);
  const int lowerCmp = lower.present ? CompareValues(a.type, lower.value, w) : -1;
  const int upperCmp = upper.present ? CompareValues(a.type, upper.value, w) : 1;
  if (lower.present && upper.present && lowerCmp >= 0 && upperCmp <= 0) return false;
  if (lowerCmp > 0 || (lower.present && lowerCmp == 0 && lower.marker == kExclusiveBound)) return true;
  return upperCmp < 0 || (upper.present && upperCmp == 0 && upper.marker == kExclusiveBound);
}

const Condition* FindCondition(const std::vector<Condition>& conditions, const std::string& property) {
  for (const auto& condition : conditions) {
    if (condition.property == property) return &condition;
  }
  return nullptr;
}

bool SameTypeWithin(const Condition& a, const Condition& b) { return a.type == b.type && ConditionWithin(a, b); }

bool LeafAgainstLeaf(const syntax_tee_node_struct& a, const syntax_tee_node_struct& b, EvaluationContext& context) {
  if (b.IsEmptySet() || !a.operand || !b.operand) return false;
  const Operand& left = *a.operand;
  const Operand& right = *b.operand;
  if (left.name == right.name) return ConditionsImply(left.conditions, right.conditions);
  // A set's items include all its descendants' items.
  return right.conditions.empty() && context.IsDescendant(left.name, right.name);
}

bool LeafContained(const syntax_tee_node_struct& a, const syntax_tee_node_struct* b, EvaluationContext& context,
                   int depth) {
  if (!b || depth > kMaxTreeDepth) return false;
  if (b->IsLeaf()) return LeafAgainstLeaf(a, *b, context);
  if (b->op == "^") {
    return LeafContained(a, b->left.get(), context, depth + 1) && LeafContained(a, b->right.get(), context, depth + 1);
  }
  if (b->op == "+") {
    return LeafContained(a, b->left.get(), context, depth + 1) || LeafContained(a, b->right.get(), context, depth + 1);
  }
  return false;
}

bool ContainedAt(const syntax_tee_node_struct* a, const syntax_tee_node_struct* b, EvaluationContext& context,
                 int depth) {
  if (!a || depth > kMaxTreeDepth) return false;
  if (a->IsLeaf()) return a->IsEmptySet() || LeafContained(*a, b, context, 0);
  if (a->op == "^") {
    return ContainedAt(a->left.get(), b, context, depth + 1) || ContainedAt(a->right.get(), b, context, depth + 1);
  }
  if (a->op == "+") {
    return ContainedAt(a->left.get(), b, context, depth + 1) && ContainedAt(a->right.get(), b, context, depth + 1);
  }
  if (a->op == "-") return ContainedAt(a->left.get(), b, context, depth + 1);
  return false;
}

}  // namespace

bool Contained(const syntax_tee_node_struct* a, const syntax_tee_node_struct* b, EvaluationContext& context) {
  return ContainedAt(a, b, context, 0);
}

bool ConditionWithin(const Condition& a, const Condition& b) {
  if (IsNotEqual(a)) {
    return IsNotEqual(b) && CompareValues(a.type, ViewBound(a.lower).value, ViewBound(b.lower).value) == 0;
  }
  if (IsNotEqual(b)) return ExcludesValue(a, ViewBound(b.lower).value);
  return LowerWithin(a.type, ViewBound(a.lower), ViewBound(b.lower)) &&
         UpperWithin(a.type, ViewBound(a.upper), ViewBound(b.upper));
}

bool ConditionsImply(const std::vector<Condition>& a, const std::vector<Condition>& b) {
  for (const auto& condition : a) {
    const Condition* other = FindCondition(b, condition.property);
    if (other && !SameTypeWithin(condition, *other)) return false;
  }
  for (const auto& condition : b) {
    const Condition* own = FindCondition(a, condition.property);
    if (!own || !SameTypeWithin(*own, condition)) return false;
  }
  return true;
}

}  // namespace ovelin

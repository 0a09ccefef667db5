#pragma once
// The symbolic containment test that lets the simplifier and the evaluator skip
// work: "every item of A is certainly an item of B".

#include <vector>

#include "query/evaluation_context.h"
#include "query/operand.h"
#include "query/syntax_tree.h"

namespace ovelin {

/// True when every item that `a` denotes is certainly also denoted by `b`;
/// false means only that containment could not be shown.
bool Contained(const syntax_tee_node_struct* a, const syntax_tee_node_struct* b, EvaluationContext& context);

/// True when every value admitted by condition `a` is admitted by condition `b`,
/// judged from the bounds alone (both of one type).
bool ConditionWithin(const Condition& a, const Condition& b);

/// True when the conditions `a` of an operand imply the conditions `b` of an
/// operand of the same name.
bool ConditionsImply(const std::vector<Condition>& a, const std::vector<Condition>& b);

}  // namespace ovelin

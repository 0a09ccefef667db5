#pragma once
// Combining two subtrees by an operator while simplifying: dropping operands that
// another one contains, and lifting a difference out of an intersection.

#include <string_view>

#include "query/evaluation_context.h"
#include "query/syntax_tree.h"

namespace ovelin {

/// The tree for `left op right` after simplification; consumes both inputs.
/// Node texts are charged to the context (the evaluation fails once its bound is exceeded).
SyntaxTree Combine(char op, SyntaxTree left, SyntaxTree right, EvaluationContext& context);

}  // namespace ovelin

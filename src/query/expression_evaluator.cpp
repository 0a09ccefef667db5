#include "query/expression_evaluator.h"

#include "query/evaluation_context.h"
#include "query/expression_faults.h"
#include "query/grouping.h"

namespace ovelin {

std::optional<EvaluationResult> EvaluateExpressionWith(EvaluationContext& context, std::string_view expression,
                                                       SyntaxTree* tree) {
  if (!context.AdmitsText(expression)) return std::nullopt;
  EvaluationResult result;
  SyntaxTree root;
  if (expression == kEmptySetName) {
    result.items = ItemList(std::string(kEmptySetName));
    root = MakeEmptySetLeaf();
  } else {
    auto items = EvaluateInContext(context, expression, root);
    if (!items) return std::nullopt;
    result.items = std::move(*items);
    result.positiveLeaves = PositiveLeaves(root.get());
    result.grouping = GroupingList(root.get(), context.Store());
  }
  result.normalized = root->text;
  if (tree) *tree = std::move(root);
  return result;
}

std::optional<EvaluationResult> EvaluateExpression(const CFileSetStore& store, std::string_view expression,
                                                   SyntaxTree* tree) {
  EvaluationContext context(store);
  return EvaluateExpressionWith(context, expression, tree);
}

std::optional<EvaluationResult> EvaluateExpression(const CFileSetStore& store, std::string_view expression,
                                                   CheckResult& why) {
  EvaluationContext context(store);
  auto result = EvaluateExpressionWith(context, expression, nullptr);
  why = result ? CheckResult() : FaultResult(context.Fault(), MessageId::ExpressionError);
  return result;
}

}  // namespace ovelin

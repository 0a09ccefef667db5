// What names and operands denote: entity sets with their descendants, view sets
// by their evaluated expressions, narrowed by conditions.
#include <utility>
#include <vector>

#include "query/condition_check.h"
#include "query/evaluation_context.h"
#include "query/expression_evaluator.h"
#include "query/expression_faults.h"

namespace ovelin {
namespace {

std::optional<ItemList> ViewSetItems(EvaluationContext& context, const std::string& name, const std::string& expression,
                                     SyntaxTree& tree) {
  if (!context.AdmitsText(expression)) return std::nullopt;
  // Whole "#空集#" is valid on its own, so a view set storing it denotes the empty set.
  if (expression == kEmptySetName) {
    tree = MakeEmptySetLeaf();
    return ItemList(std::string(kEmptySetName));
  }
  if (!context.EnterViewSet(name)) return std::nullopt;
  auto items = EvaluateInContext(context, "(" + expression + ")", tree);
  context.LeaveViewSet();
  if (!items) PlaceInStoredExpression(context, expression);
  return items;
}

bool ConditionsMatchDefinitions(const CFileSetStore& store, const Operand& operand) {
  if (operand.conditions.empty()) return true;
  const DefinitionList definitions = store.GetDefinitions(operand.name);
  for (const auto& condition : operand.conditions) {
    const PropertyDefinition* definition = FindDefinition(definitions, condition.property);
    if (!definition || definition->type != condition.type) return false;
  }
  return true;
}

void Narrow(ItemList& items, const std::vector<Condition>& conditions) {
  std::vector<CFileItem> kept;
  for (auto& item : items) {
    bool passes = true;
    for (const auto& condition : conditions) passes = passes && ItemPasses(item, condition);
    if (passes) kept.push_back(std::move(item));
  }
  items.AdoptSorted(std::move(kept));
}

}  // namespace

std::optional<ItemList> ItemsByNameInContext(EvaluationContext& context, const std::string& name, SyntaxTree& tree) {
  tree.reset();
  if (auto items = context.Store().ReadSetTreeItems(name)) return items;
  const auto expression = context.ViewSetExpression(name);
  if (!expression) return std::nullopt;
  return ViewSetItems(context, name, *expression, tree);
}

std::optional<ItemList> EvaluateOperand(EvaluationContext& context, const Operand& operand, SyntaxTree& tree) {
  if (!context.CountOperand()) return std::nullopt;
  if (!ConditionsMatchDefinitions(context.Store(), operand)) return std::nullopt;
  auto items = ItemsByNameInContext(context, operand.name, tree);
  if (items && !operand.conditions.empty()) Narrow(*items, operand.conditions);
  return items;
}

std::optional<ItemList> GetItemsByName(const CFileSetStore& store, const std::string& name, SyntaxTree* tree) {
  EvaluationContext context(store);
  SyntaxTree own;
  auto items = ItemsByNameInContext(context, name, own);
  if (items && tree) *tree = std::move(own);
  return items;
}

}  // namespace ovelin

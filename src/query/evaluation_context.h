#pragma once
// State shared by one evaluation and every view set it opens: the store, the
// view sets being evaluated (to stop cycles), the work bounds, and memoised
// descendant queries. Internal to the query engine.

#include <optional>
#include <string>
#include <string_view>
#include <map>
#include <vector>

#include "query/expression_evaluator.h"
#include "query/operand.h"
#include "query/syntax_tree.h"
#include "store/file_set_store.h"
#include "store/item_list.h"

namespace ovelin {

class EvaluationContext {
 public:
  explicit EvaluationContext(const CFileSetStore& store) : store_(store) {}

  /// The store the evaluation reads.
  const CFileSetStore& Store() const { return store_; }

  /// Evaluates view set `name` as if its stored expression were `expression`
  /// (used to check an expression before it replaces the stored one).
  void OverrideViewSet(std::string name, std::string expression);
  /// The expression of a view set (the override first); nothing when no view set has that name.
  std::optional<std::string> ViewSetExpression(const std::string& name) const;

  /// Marks a view set as being evaluated; false when it already is (a cycle)
  /// or too many are open.
  bool EnterViewSet(const std::string& name);
  /// Ends the evaluation of the view set entered last.
  void LeaveViewSet();

  /// Counts one operand evaluation; false once the bound is exceeded.
  bool CountOperand();
  /// Counts bytes added to node texts; false once the bound is exceeded.
  bool ChargeText(size_t bytes);
  /// True once a bound was exceeded; the evaluation then fails.
  bool Exhausted() const { return exhausted_; }

  /// Memoised `CFileSetStore::IsDescendant`.
  bool IsDescendant(const std::string& a, const std::string& b);

 private:
  const CFileSetStore& store_;
  std::optional<std::pair<std::string, std::string>> override_;
  std::vector<std::string> openViewSets_;
  size_t operands_ = 0;
  size_t textBytes_ = 0;
  bool exhausted_ = false;
  std::map<std::pair<std::string, std::string>, bool> descendants_;
};

/// `EvaluateExpression` within a context (for checks that override a view set).
std::optional<EvaluationResult> EvaluateExpressionWith(EvaluationContext& context, std::string_view expression,
                                                       SyntaxTree* tree);

/// The parse-and-evaluate pass over one expression text within a context.
/// On success `tree` receives the expression's tree.
std::optional<ItemList> EvaluateInContext(EvaluationContext& context, std::string_view expression, SyntaxTree& tree);

/// What a name denotes within a context: an entity set's items (tree left empty),
/// or a view set's evaluated expression (tree receives its tree).
std::optional<ItemList> ItemsByNameInContext(EvaluationContext& context, const std::string& name, SyntaxTree& tree);

/// The items of one operand: the name's items narrowed by the conditions; fails
/// when a condition's property is not defined for the set or has the other type.
/// `tree` receives a view set's tree and stays empty for an entity set.
std::optional<ItemList> EvaluateOperand(EvaluationContext& context, const Operand& operand, SyntaxTree& tree);

}  // namespace ovelin

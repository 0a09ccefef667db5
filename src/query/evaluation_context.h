#pragma once
// State shared by one evaluation and every view set it opens: the store, the
// view sets being evaluated (to stop cycles), the work bounds, and memoised
// descendant queries. Internal to the query engine.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/messages.h"
#include "query/expression_evaluator.h"
#include "query/operand.h"
#include "query/syntax_tree.h"
#include "store/file_set_store.h"
#include "store/item_list.h"

namespace ovelin {

/// Why an evaluation failed: the reason, the 1-based character position in the
/// text that was being read (0 for a cause without a place) and the values that
/// follow the position in the reason's pattern.
struct ExpressionFault {
  ExpressionFault(MessageId reason, size_t position = 0, std::vector<std::string> values = {})
      : reason(reason), position(position), values(std::move(values)) {}

  MessageId reason;
  size_t position;
  std::vector<std::string> values;
};

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
  /// or too many are open, with the fault noted.
  bool EnterViewSet(const std::string& name);
  /// Ends the evaluation of the view set entered last.
  void LeaveViewSet();

  /// False, noting the cause, when an expression text is empty or longer than
  /// the bound; checked before a text is parsed.
  bool AdmitsText(std::string_view expression);
  /// Counts one operand evaluation; false once the bound is exceeded.
  bool CountOperand();
  /// Counts bytes added to node texts; false once the bound is exceeded.
  bool ChargeText(size_t bytes);
  /// True once a bound was exceeded; the evaluation then fails.
  bool Exhausted() const { return exhausted_; }

  /// Keeps the first cause of failure; later ones are consequences.
  void NoteFault(ExpressionFault fault);
  /// Restates the cause, as the pass of an enclosing view set does for its operand.
  void ReplaceFault(ExpressionFault fault) { fault_ = std::move(fault); }
  const std::optional<ExpressionFault>& Fault() const { return fault_; }

  /// Memoised `CFileSetStore::IsDescendant`.
  bool IsDescendant(const std::string& a, const std::string& b);

 private:
  const CFileSetStore& store_;
  std::optional<std::pair<std::string, std::string>> override_;
  std::vector<std::string> openViewSets_;
  size_t operands_ = 0;
  size_t textBytes_ = 0;
  bool exhausted_ = false;
  std::optional<ExpressionFault> fault_;
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

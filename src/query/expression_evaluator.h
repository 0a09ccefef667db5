#pragma once
// Evaluating expressions of the query language against the store: the items an
// expression selects, with its normalised text and the lists the query panel
// uses, and the items a set or view set name denotes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/check_result.h"
#include "query/syntax_tree.h"
#include "store/file_set_store.h"
#include "store/item_list.h"

namespace ovelin {

struct EvaluationResult {
  /// The selected items, sorted by path (UTF-16 code-unit order), one per path.
  ItemList items;
  /// The normalised expression text (view sets replaced by their expressions).
  std::string normalized;
  /// Texts of the leaves whose items can reach the result, left to right.
  std::vector<std::string> positiveLeaves;
  /// Grouping entries "key:member;member;..." in tree order.
  std::vector<std::string> grouping;
};

/// Parses and evaluates an expression in one pass. Nothing when the text is not
/// a valid expression, names an unknown set, puts a condition on a property the
/// set does not define (or of the other type), reaches a view set whose
/// expression leads back to itself, or exceeds the work bounds. When `tree` is
/// given it receives the expression's syntax tree on success.
std::optional<EvaluationResult> EvaluateExpression(const CFileSetStore& store, std::string_view expression,
                                                   SyntaxTree* tree = nullptr);

/// The same, and on failure `why` says what went wrong: the message "查询表达式错误，请检查!"
/// with the cause and its 1-based character position in the text as its reason
/// (success when the expression evaluates).
std::optional<EvaluationResult> EvaluateExpression(const CFileSetStore& store, std::string_view expression,
                                                   CheckResult& why);

/// What a name denotes: for an entity set its own and all its descendants' items,
/// each once (`tree`, when given, is cleared); for a view set its evaluated
/// expression (its tree into `tree`); nothing for any other name or a view set
/// that fails.
std::optional<ItemList> GetItemsByName(const CFileSetStore& store, const std::string& name, SyntaxTree* tree = nullptr);

}  // namespace ovelin

#include "shell/query/query_history.h"

namespace ovelin {
namespace {

// The operator that joins the current expression and a new one; 0 for "replace".
std::optional<QChar> CombineOperator(int combine) {
  switch (combine) {
    case 0:
      return QChar();
    case 1:
      return QLatin1Char('^');
    case 2:
      return QLatin1Char('+');
    case 3:
      return QLatin1Char('-');
    default:
      return std::nullopt;
  }
}

// Steps one stack back or forward: the top of `from` becomes the query, the
// current one goes onto `to`. Nothing when `from` is empty.
std::optional<QueryKey> Step(QList<QueryKey>& from, QList<QueryKey>& to, const std::optional<QueryKey>& current) {
  if (from.isEmpty()) return std::nullopt;
  QueryKey key = from.takeLast();
  if (current) to.append(*current);
  return key;
}

}  // namespace

std::optional<QueryPlan> QueryHistory::Plan(HistoryMode mode, const QString& expression, const QString& keywords,
                                            int combine, bool hasResult, const QString& rootName) const {
  QueryKey key{expression, keywords.trimmed()};
  if (key.expression.isEmpty() && !key.keywords.isEmpty()) key.expression = rootName;
  QueryPlan plan{{}, {}, state_};
  const std::optional<QueryKey>& current = state_.current;
  switch (mode) {
    case HistoryMode::New:
      if (key.expression.isEmpty() || (current && *current == key)) return std::nullopt;
      if (hasResult && current && (state_.back.isEmpty() || state_.back.last() != *current)) {
        plan.next.back.append(*current);
        plan.next.forward.clear();
      }
      break;
    case HistoryMode::Forward:
    case HistoryMode::Back: {
      const bool forward = mode == HistoryMode::Forward;
      auto& from = forward ? plan.next.forward : plan.next.back;
      auto& to = forward ? plan.next.back : plan.next.forward;
      const std::optional<QueryKey> stepped = Step(from, to, current);
      if (!stepped) return std::nullopt;
      key = *stepped;
      combine = 0;
      break;
    }
    case HistoryMode::Refresh:
      if (!current) return std::nullopt;
      key = *current;
      combine = 0;
      break;
  }

  const std::optional<QChar> op = CombineOperator(combine);
  if (!op) return std::nullopt;
  if (!op->isNull()) {
    // Combining needs a current expression; the current keywords stay unless new ones are given.
    if (!current || current->expression.isEmpty()) return std::nullopt;
    key.expression = QLatin1Char('(') + current->expression + QLatin1Char(')') + *op + key.expression;
    if (key.keywords.isEmpty()) key.keywords = current->keywords;
  }
  plan.expression = key.expression;
  plan.keywords = key.keywords;
  return plan;
}

void QueryHistory::Commit(const QueryPlan& plan, const QueryKey& shown) {
  state_ = plan.next;
  state_.current = shown;
}

}  // namespace ovelin

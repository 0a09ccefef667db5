#pragma once
// The query panel's browser-like history: the current query (expression and
// keywords), the back and forward stacks, and how a query request turns into the
// expression to run and the history that follows once it has run.

#include <QList>
#include <QString>

#include <optional>

namespace ovelin {

/// One query: the expression and the keywords. Kept as a pair, so that keywords
/// containing ";" come back unchanged from the history.
struct QueryKey {
  QString expression;
  QString keywords;
  bool operator==(const QueryKey&) const = default;
};

/// How RunQuery was asked: a new query or a step in the history.
enum class HistoryMode : int { New = 0, Forward = 1, Back = 2, Refresh = 3 };

struct HistoryState {
  std::optional<QueryKey> current;  // none before the first query
  QList<QueryKey> back;             // newest last
  QList<QueryKey> forward;          // newest last
};

/// What to run for a request and the history to adopt once it has run.
struct QueryPlan {
  QString expression;  // the expression to evaluate (combined with the current one)
  QString keywords;    // the keywords to filter with (trimmed)
  HistoryState next;   // the history after the query; its current query is set on commit
};

class QueryHistory {
 public:
  const std::optional<QueryKey>& Current() const { return state_.current; }
  bool CanBack() const { return !state_.back.isEmpty(); }
  bool CanForward() const { return !state_.forward.isEmpty(); }
  bool CanRefresh() const { return state_.current.has_value(); }

  /// The plan of a request; nothing when the request runs nothing: an empty
  /// expression, the current query asked again, an empty history to step in, or
  /// a combination with no current expression. Keywords alone search the whole
  /// root set (`rootName`); combining 1 and, 2 or, 3 except wraps the current
  /// expression around `expression` and keeps the current keywords when none are
  /// given. A new query moves the current one (when it has a result) onto the
  /// back stack and empties the forward stack.
  std::optional<QueryPlan> Plan(HistoryMode mode, const QString& expression, const QString& keywords, int combine,
                                bool hasResult, const QString& rootName) const;

  /// Adopts a plan's history with `shown` as the current query.
  void Commit(const QueryPlan& plan, const QueryKey& shown);

 private:
  HistoryState state_;
};

}  // namespace ovelin

#pragma once
// A query request from the set tree or the view set list: an expression, or an
// expression ";" keywords.

#include <QString>

namespace ovelin {

struct QueryRequest {
  QString expression;
  QString keywords;
};

/// Without ";" the whole text is the expression and there are no keywords; with
/// ";" the text before the first ";" is the expression and the text up to the
/// next ";" (or the end) the keywords; further parts are ignored.
QueryRequest SplitQueryRequest(const QString& text);

}  // namespace ovelin

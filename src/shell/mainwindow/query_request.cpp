#include "shell/mainwindow/query_request.h"

#include <QStringList>

namespace ovelin {

QueryRequest SplitQueryRequest(const QString& text) {
  if (!text.contains(QLatin1Char(';'))) return {text, {}};
  const QStringList parts = text.split(QLatin1Char(';'));
  return {parts[0], parts[1]};
}

}  // namespace ovelin

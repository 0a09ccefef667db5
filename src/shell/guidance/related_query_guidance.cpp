#include "shell/guidance/related_query_guidance.h"

#include "query/expression_evaluator.h"
#include "shell/app/qt_text.h"
#include "shell/guidance/dlg_path_guid.h"
#include "store/file_set_store.h"

namespace ovelin {

QStringList RelatedSetPaths(const CFileSetStore& store, const ItemList& items) {
  QStringList paths;
  for (const auto& set : store.CollectOwningSets(items)) paths.append(ToQList(store.GetPathsFromRoot(set)));
  return paths;
}

std::optional<GuidanceResult> RunRelatedQueryGuidance(const CFileSetStore& store, const ItemList& items,
                                                      const QString& base, const QString& keywords,
                                                      QWidget* parent) {
  CDlgPathGuid dialog(RelatedSetPaths(store, items), base, keywords, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return GuidanceResult{dialog.Expression(), dialog.Keywords()};
}

std::optional<GuidanceResult> RunGuidanceForName(const CFileSetStore& store, const QString& name, QWidget* parent) {
  // A view set whose expression fails denotes nothing; the dialog still opens.
  const ItemList items = GetItemsByName(store, ToStd(name)).value_or(ItemList{});
  return RunRelatedQueryGuidance(store, items, name, {}, parent);
}

QString GuidanceQueryText(const GuidanceResult& result) {
  return result.expression + QLatin1Char(';') + result.keywords;
}

}  // namespace ovelin

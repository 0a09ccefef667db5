#pragma once
// Related-query guidance as the set tree, the view set list and the query panel
// start it: the sets holding the items, their places in the set graph, and the
// dialog that narrows the query by them.

#include <QString>
#include <QStringList>

#include <optional>

#include "shell/guidance/guidance_expression.h"
#include "store/item_list.h"

class QWidget;

namespace ovelin {

class CFileSetStore;

struct GuidanceResult {
  QString expression;
  QString keywords;
};

/// At most this many paths are listed in all (a ladder of sets has exponentially many).
inline constexpr size_t kMaxGuidancePaths = 200;

/// The paths from the root set ("/Root/A/B") to each set that holds one of the
/// items: at most kMaxGuidancePaths in all, shared evenly between the sets, a set
/// with fewer paths leaving the rest of its share to the others; every set gets
/// at least one path, so that each can be marked.
GuidancePaths RelatedSetPaths(const CFileSetStore& store, const ItemList& items);

/// Opens "相关查询制导" on the sets holding `items`, narrowing `base`, with the
/// keywords preset; the expression and keywords on OK, nothing on Cancel.
std::optional<GuidanceResult> RunRelatedQueryGuidance(const CFileSetStore& store, const ItemList& items,
                                                      const QString& base, const QString& keywords, QWidget* parent);

/// The same for the items a set or view set name denotes, the name being the base.
std::optional<GuidanceResult> RunGuidanceForName(const CFileSetStore& store, const QString& name, QWidget* parent);

/// The query text the set tree and the view set list send: expression ";" keywords.
QString GuidanceQueryText(const GuidanceResult& result);

}  // namespace ovelin

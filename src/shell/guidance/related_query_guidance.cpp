#include "shell/guidance/related_query_guidance.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <numeric>

#include "query/expression_evaluator.h"
#include "shell/app/qt_text.h"
#include "shell/guidance/dlg_path_guid.h"
#include "store/file_set_store.h"

namespace ovelin {
namespace {

// How many of its paths each set lists: the budget shared evenly, the sets with
// the fewest paths served first so that what they leave goes to the others; at
// least one path each.
std::vector<size_t> SharePaths(const std::vector<size_t>& counts, size_t budget) {
  std::vector<size_t> order(counts.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&counts](size_t a, size_t b) { return counts[a] < counts[b]; });
  std::vector<size_t> shares(counts.size());
  for (size_t k = 0; k < order.size(); ++k) {
    const size_t share = std::max<size_t>(1, budget / (order.size() - k));
    shares[order[k]] = std::min(counts[order[k]], share);
    budget -= std::min(budget, shares[order[k]]);
  }
  return shares;
}

}  // namespace

GuidancePaths RelatedSetPaths(const CFileSetStore& store, const ItemList& items) {
  const NameList sets = store.CollectOwningSets(items);
  std::vector<size_t> counts;
  counts.reserve(sets.size());
  for (const auto& set : sets) counts.push_back(store.CountPathsFromRoot(set));
  const std::vector<size_t> shares = SharePaths(counts, kMaxGuidancePaths);
  GuidancePaths related;
  for (size_t i = 0; i < sets.size(); ++i) {
    NameList paths = store.GetPathsFromRoot(sets[i], shares[i]);
    const size_t leftOut = counts[i] > paths.size() ? counts[i] - paths.size() : 0;
    related.leftOut += std::min(leftOut, SIZE_MAX - related.leftOut);  // a count may have saturated
    std::move(paths.begin(), paths.end(), std::back_inserter(related.paths));
  }
  return related;
}

std::optional<GuidanceResult> RunRelatedQueryGuidance(const CFileSetStore& store, const ItemList& items,
                                                      const QString& base, const QString& keywords, QWidget* parent) {
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

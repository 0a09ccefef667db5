#include "query/item_set_ops.h"

#include <string>
#include <vector>

#include "base/text_order.h"

namespace ovelin {
namespace {

std::string JoinedName(const ItemList& left, char op, const ItemList& right) {
  return left.GetName() + op + right.GetName();
}

ItemList Adopt(std::string name, std::vector<CFileItem> items) {
  ItemList list(std::move(name));
  list.AdoptSorted(std::move(items));
  return list;
}

// Keeps the left items for which `keep(found)` holds, where `found` is the right
// item of the same path or null; `keep` may merge from the right item.
template <typename Keep>
ItemList Filter(ItemList& left, const ItemList& right, char op, Keep keep) {
  std::vector<CFileItem> kept;
  size_t j = 0;
  for (auto& item : left) {
    while (j < right.size() && CompareUtf16(right[j].GetPath(), item.GetPath()) < 0) ++j;
    const CFileItem* found = j < right.size() && right[j].GetPath() == item.GetPath() ? &right[j] : nullptr;
    if (keep(item, found)) kept.push_back(std::move(item));
  }
  return Adopt(JoinedName(left, op, right), std::move(kept));
}

}  // namespace

ItemList UnionItems(ItemList left, ItemList right) {
  std::vector<CFileItem> merged;
  merged.reserve(left.size() + right.size());
  size_t i = 0;
  size_t j = 0;
  while (i < left.size() || j < right.size()) {
    const int cmp = i == left.size() ? 1 : j == right.size() ? -1 : CompareUtf16(left[i].GetPath(), right[j].GetPath());
    if (cmp < 0) {
      merged.push_back(std::move(left[i++]));
    } else if (cmp > 0) {
      merged.push_back(std::move(right[j++]));
    } else {
      merged.push_back(std::move(left[i++]));
      merged.back().MergeOwningSets(right[j]);
      merged.back().MergePropertyValues(right[j++]);
    }
  }
  return Adopt(JoinedName(left, '+', right), std::move(merged));
}

ItemList IntersectItems(ItemList left, const ItemList& right) {
  return Filter(left, right, '^', [](CFileItem& item, const CFileItem* found) {
    if (found) item.MergeOwningSets(*found);
    return found != nullptr;
  });
}

ItemList SubtractItems(ItemList left, const ItemList& right) {
  return Filter(left, right, '-', [](CFileItem&, const CFileItem* found) { return found == nullptr; });
}

std::optional<ItemList> ApplyOperator(ItemList left, char op, ItemList right) {
  switch (op) {
    case '+':
      return UnionItems(std::move(left), std::move(right));
    case '^':
      return IntersectItems(std::move(left), right);
    case '-':
      return SubtractItems(std::move(left), right);
    default:
      return std::nullopt;
  }
}

}  // namespace ovelin

#pragma once
// The store's root item list: every item of the root set and its descendants,
// sorted by path. Items added since the list was last read wait in a buffer, so
// that a batch of additions costs one merge instead of shifting the list once
// per item.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/item_list.h"

namespace ovelin {

class RootItemIndex {
 public:
  /// Replaces the whole list.
  void Reset(ItemList list);
  /// The sorted list, with the buffered additions merged in.
  const ItemList& List() const;
  /// The item of exactly this path, or null.
  CFileItem* Find(std::string_view path);
  const CFileItem* Find(std::string_view path) const;
  /// Replaces the item of the same path, or adds the item; items without a
  /// name or a path are not added.
  void Put(const CFileItem& item);
  /// Removes the item of this path; true when there was one.
  bool Remove(std::string_view path);

 private:
  void MergePending() const;

  mutable ItemList sorted_;
  mutable std::vector<CFileItem> pending_;
  mutable std::unordered_map<std::string, size_t> pendingIndex_;  // path -> position in pending_
};

}  // namespace ovelin

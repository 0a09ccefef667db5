#pragma once
// The sets whose membership a filing run changes: each is read once, changed in
// memory, and written back once when the run ends.

#include <map>
#include <string>

#include "store/file_set_store.h"
#include "store/item_list.h"

namespace ovelin {

class TouchedSets {
 public:
  /// The set's own items as an item list named after it, read on first use.
  ItemList& Fetch(const CFileSetStore& store, const std::string& name);
  /// Writes every fetched set's elements back into the store's document.
  void WriteAll(CFileSetStore& store) const;

 private:
  std::map<std::string, ItemList> sets_;
};

/// Removes the item of `url` from every set that the root item list says holds it,
/// and from the root item list; true when there was such an item.
bool RemoveItemRecord(CFileSetStore& store, TouchedSets& touched, const std::string& url);

}  // namespace ovelin

#include "filing/touched_sets.h"

namespace ovelin {

ItemList& TouchedSets::Fetch(const CFileSetStore& store, const std::string& name) {
  auto found = sets_.find(name);
  if (found != sets_.end()) return found->second;
  ItemList list(name);
  for (const auto& item : store.ReadSetItems(name)) list.Insert(item);
  return sets_.emplace(name, std::move(list)).first->second;
}

void TouchedSets::WriteAll(CFileSetStore& store) const {
  for (const auto& [name, list] : sets_) store.WriteSetElements(list);
}

bool RemoveItemRecord(CFileSetStore& store, TouchedSets& touched, const std::string& url) {
  const CFileItem known = store.FindItemByPath(url);
  if (known.GetPath().empty()) return false;
  for (const auto& set : known.GetOwningSets()) touched.Fetch(store, set).Remove(url);
  store.RemoveRootItem(url);
  return true;
}

}  // namespace ovelin

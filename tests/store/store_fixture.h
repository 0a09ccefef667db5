#pragma once
// Building small stores for tests.

#include <string>
#include <vector>

#include "store/file_set_store.h"

namespace ovelin::test {

inline const std::string kRoot(kStarterRootName);

/// A store holding the starter document.
inline void StartFresh(CFileSetStore& store) { store.CreateStarterDocument(); }

/// Creates a set with the given parents (root when none) extending its first parent.
inline bool AddSet(CFileSetStore& store, const std::string& name, NameList parents = {},
                   const std::vector<std::string>& definitions = {}) {
  if (parents.empty()) parents.push_back(kRoot);
  DefinitionList list;
  for (const auto& text : definitions) list.push_back(*PropertyDefinition::Parse(text));
  return store.CreateFileSet(name, parents, "", StorePathKind::ExParent, list);
}

/// Files an item into a set (with "name;value" entries) and rebuilds the root item list.
inline void AddItem(CFileSetStore& store, const std::string& set, const std::string& name, const std::string& path,
                    const std::vector<std::string>& values = {}) {
  ItemList list(set);
  for (const auto& item : store.ReadSetItems(set)) list.Insert(item);
  CFileItem item(name, path);
  for (const auto& value : values) item.AppendPropertyEntry(value);
  item.AddOwningSet(set);
  list.Insert(item);
  store.WriteSetElements(list);
  store.RebuildRootItems();
}

/// Paths of a list of items, in list order.
inline std::vector<std::string> Paths(const ItemList& list) {
  std::vector<std::string> paths;
  for (const auto& item : list) paths.push_back(item.GetPath());
  return paths;
}

}  // namespace ovelin::test

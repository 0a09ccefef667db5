// The entity file set graph: lookup, creation, renaming, re-parenting, deletion.
#include <unordered_set>

#include "store/file_set_store.h"
#include "store/file_url.h"
#include "store/trash.h"
#include "store/xml_text.h"

namespace ovelin {

void CFileSetStore::WriteNameList(pugi::xml_node set, const char* element, const NameList& names) {
  pugi::xml_node list = set.child(element);
  if (!list) list = set.append_child(element);
  SetNodeText(list, JoinNames(names));
}

NameUse CFileSetStore::IsNameUsed(std::string_view name) const {
  if (FindFileSet(name)) return {true, false};
  if (HasViewSet(name)) return {true, true};
  return {};
}

NameList CFileSetStore::GetChilds(std::string_view name) const {
  return SplitNames(ChildText(FindFileSet(name), "Childs"));
}

NameList CFileSetStore::GetParents(std::string_view name) const {
  return SplitNames(ChildText(FindFileSet(name), "Parents"));
}

bool CFileSetStore::IsDescendant(std::string_view a, std::string_view b) const {
  std::unordered_set<std::string> seen;
  std::vector<std::string> pending = GetChilds(b);
  while (!pending.empty()) {
    std::string current = std::move(pending.back());
    pending.pop_back();
    if (current == a) return true;
    if (!seen.insert(current).second) continue;
    NameList childs = GetChilds(current);
    pending.insert(pending.end(), childs.begin(), childs.end());
  }
  return false;
}

NameList CFileSetStore::DescendantsPreorder(const std::string& name) const {
  NameList order;
  std::unordered_set<std::string> seen{name};
  std::vector<std::string> pending{name};
  while (!pending.empty()) {
    std::string current = std::move(pending.back());
    pending.pop_back();
    NameList childs = GetChilds(current);
    for (auto it = childs.rbegin(); it != childs.rend(); ++it) {
      if (seen.insert(*it).second) pending.push_back(*it);
    }
    order.push_back(std::move(current));
  }
  return order;
}

bool CFileSetStore::WouldMakeCycle(const std::string& name, const NameList& parents) const {
  for (const auto& parent : parents) {
    if (parent == name || IsDescendant(parent, name)) return true;
  }
  return false;
}

bool CFileSetStore::CreateFileSet(const std::string& name, const NameList& parents, const std::string& storePath,
                                  StorePathKind kind, const DefinitionList& definitions) {
  pugi::xml_node entitySets = EntitySets();
  if (!entitySets || !IsValidName(name) || IsNameUsed(name).used || WouldMakeCycle(name, parents)) return false;

  pugi::xml_node set = entitySets.append_child("FileSet");
  AppendTextElement(set, "Name", name);
  const bool extends = kind == StorePathKind::ExParent;
  const std::string pathText = extends && storePath.empty() && !parents.empty() ? parents.front() : storePath;
  SetAttribute(AppendTextElement(set, "StorePath", pathText), "Type", extends ? "ExParent" : "UsrDef");
  set.append_child("Elements");
  set.append_child("Childs");
  AppendTextElement(set, "Parents", JoinNames(parents));
  set.append_child("ItemPropertys");
  if (indexValid_) setIndex_.emplace(name, set);

  SetOwnDefinitions(name, definitions);
  for (const auto& parentName : parents) {
    pugi::xml_node parent = FindFileSet(parentName);
    if (!parent) continue;
    NameList childs = SplitNames(ChildText(parent, "Childs"));
    if (InsertName(childs, name)) WriteNameList(parent, "Childs", childs);
  }
  return true;
}

bool CFileSetStore::RenameFileSet(const std::string& oldName, const std::string& newName) {
  pugi::xml_node set = FindFileSet(oldName);
  if (!set || !IsValidName(newName) || IsNameUsed(newName).used) return false;

  for (const auto& parentName : GetParents(oldName)) {
    pugi::xml_node parent = FindFileSet(parentName);
    if (!parent) continue;
    NameList childs = SplitNames(ChildText(parent, "Childs"));
    RemoveName(childs, oldName);
    InsertName(childs, newName);
    WriteNameList(parent, "Childs", childs);
  }
  for (const auto& childName : GetChilds(oldName)) {
    pugi::xml_node child = FindFileSet(childName);
    if (!child) continue;
    NameList parents = SplitNames(ChildText(child, "Parents"));
    RemoveName(parents, oldName);
    InsertName(parents, newName);
    WriteNameList(child, "Parents", parents);
    pugi::xml_node storePath = child.child("StorePath");
    if (std::string_view(storePath.attribute("Type").value()) == "ExParent" && NodeText(storePath) == oldName) {
      SetNodeText(storePath, newName);
    }
  }
  for (const auto& ref : ReadSetItemRefs(oldName)) {
    if (CFileItem* item = rootItems_.Find(ref.path)) {
      item->RemoveOwningSet(oldName);
      item->AddOwningSet(newName);
    }
  }
  SetNodeText(set.child("Name"), newName);
  pugi::xml_attribute rootName = EntitySets().attribute("RootName");
  if (oldName == rootName.value()) rootName.set_value(newName.c_str());
  InvalidateIndex();
  return true;
}

bool CFileSetStore::SetParents(const std::string& name, const NameList& newParents) {
  pugi::xml_node set = FindFileSet(name);
  if (!set) return false;
  NameList wanted = newParents;
  SortNames(wanted);
  if (WouldMakeCycle(name, wanted)) return false;
  const NameList current = GetParents(name);

  for (const auto& parentName : current) {
    pugi::xml_node parent = FindFileSet(parentName);
    if (!parent || ContainsName(wanted, parentName)) continue;
    NameList childs = SplitNames(ChildText(parent, "Childs"));
    if (RemoveName(childs, name)) WriteNameList(parent, "Childs", childs);
  }
  for (const auto& parentName : wanted) {
    pugi::xml_node parent = FindFileSet(parentName);
    if (!parent || ContainsName(current, parentName)) continue;
    NameList childs = SplitNames(ChildText(parent, "Childs"));
    if (InsertName(childs, name)) WriteNameList(parent, "Childs", childs);
  }
  WriteNameList(set, "Parents", wanted);

  bool conflict = false;
  RemoveLostDefinitions(name, CollectDefinitions(current, conflict), CollectDefinitions(wanted, conflict));
  return true;
}

bool CFileSetStore::DeleteFileSet(const std::string& name, bool deleteFiles) {
  if (!FindFileSet(name)) return false;
  return DeleteFileSetRecursive(name, deleteFiles);
}

bool CFileSetStore::DeleteFileSetRecursive(const std::string& name, bool deleteFiles) {
  pugi::xml_node set = FindFileSet(name);
  if (!set) return false;

  for (const auto& childName : GetChilds(name)) {
    pugi::xml_node child = FindFileSet(childName);
    if (!child) continue;
    const NameList before = GetParents(childName);
    NameList after = before;
    RemoveName(after, name);
    if (after.empty()) {
      DeleteFileSetRecursive(childName, deleteFiles);
      continue;
    }
    bool conflict = false;
    const DefinitionList inherited = CollectDefinitions(before, conflict);
    WriteNameList(child, "Parents", after);
    RemoveLostDefinitions(childName, inherited, CollectDefinitions(after, conflict));
  }

  for (const auto& ref : ReadSetItemRefs(name)) {
    CFileItem* item = rootItems_.Find(ref.path);
    if (!item || !ContainsName(item->GetOwningSets(), name)) continue;
    bool conflict = false;
    const DefinitionList before = CollectDefinitions(item->GetOwningSets(), conflict);
    item->RemoveOwningSet(name);
    const DefinitionList after = CollectDefinitions(item->GetOwningSets(), conflict);
    for (const auto& definition : before) {
      if (!FindDefinition(after, definition.name)) item->RemovePropertyValue(definition.name);
    }
    if (!item->GetOwningSets().empty()) continue;
    const std::string path = item->GetPath();
    rootItems_.Remove(path);
    if (deleteFiles) {
      // To the Trash; a file that cannot go there is left where it is, unreported.
      if (const auto local = FileUrlToLocalPath(path)) MoveToTrash(*local);
    }
  }

  const NameList parents = GetParents(name);
  set.parent().remove_child(set);
  InvalidateIndex();
  for (const auto& parentName : parents) {
    pugi::xml_node parent = FindFileSet(parentName);
    if (!parent) continue;
    NameList childs = SplitNames(ChildText(parent, "Childs"));
    if (RemoveName(childs, name)) WriteNameList(parent, "Childs", childs);
  }
  return true;
}

}  // namespace ovelin

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

  // A new set has no definitions of its own to remove: without new ones there is
  // nothing to do, and no need to work out what its parents pass down.
  if (!definitions.empty()) SetOwnDefinitions(name, definitions);
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
  // Two sets of one name (a damaged file) share an entry of the index: it is then
  // rebuilt after each removal instead of losing just the removed set's entry.
  size_t sets = 0;
  for ([[maybe_unused]] pugi::xml_node set : EntitySets().children("FileSet")) ++sets;
  const bool keepIndex = sets == setIndex_.size();

  // Depth first on an explicit stack: each child left without a parent goes, with
  // its own such children, before the set itself. A set on the stack is not entered
  // again, so that a parent cycle of a damaged file ends.
  struct Frame {
    std::string name;
    NameList childs;
    size_t next = 0;
  };
  std::unordered_set<std::string> onStack{name};
  std::vector<Frame> stack{{name, GetChilds(name), 0}};
  while (!stack.empty()) {
    Frame& top = stack.back();
    if (top.next < top.childs.size()) {
      const std::string child = top.childs[top.next++];
      const std::string parent = top.name;
      if (!FindFileSet(child) || DetachFromParent(child, parent) || !onStack.insert(child).second) continue;
      stack.push_back({child, GetChilds(child), 0});
      continue;
    }
    RemoveSetWithItems(top.name, deleteFiles, keepIndex);
    onStack.erase(top.name);
    stack.pop_back();
  }
  return true;
}

bool CFileSetStore::DetachFromParent(const std::string& child, const std::string& parent) {
  const NameList before = GetParents(child);
  NameList after = before;
  RemoveName(after, parent);
  if (after.empty()) return false;
  bool conflict = false;
  const DefinitionList inherited = CollectDefinitions(before, conflict);
  WriteNameList(FindFileSet(child), "Parents", after);
  RemoveLostDefinitions(child, inherited, CollectDefinitions(after, conflict));
  KeepExtendedParent(child);
  return true;
}

void CFileSetStore::RemoveSetWithItems(const std::string& name, bool deleteFiles, bool keepIndex) {
  pugi::xml_node set = FindFileSet(name);
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
  if (keepIndex && indexValid_) {
    setIndex_.erase(name);
  } else {
    InvalidateIndex();
  }
  for (const auto& parentName : parents) {
    pugi::xml_node parent = FindFileSet(parentName);
    if (!parent) continue;
    NameList childs = SplitNames(ChildText(parent, "Childs"));
    if (RemoveName(childs, name)) WriteNameList(parent, "Childs", childs);
  }
}

}  // namespace ovelin

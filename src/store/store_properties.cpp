// Property definitions: what is in force for a set through its parents, and
// adding, changing and removing definitions together with the items' values.
#include <algorithm>
#include <unordered_set>

#include "store/file_set_store.h"
#include "store/xml_text.h"

namespace ovelin {
namespace {

PropertyDefinition ReadDefinition(pugi::xml_node property) {
  return {property.attribute("Name").value(),     property.attribute("Type").value(),
          property.attribute("Min").value(),      property.attribute("Max").value(),
          property.attribute("InitValue").value(), std::string(kOriginSelf)};
}

void WriteBounds(pugi::xml_node property, const PropertyDefinition& definition) {
  SetAttribute(property, "Min", definition.min);
  SetAttribute(property, "Max", definition.max);
  SetAttribute(property, "InitValue", definition.initValue);
}

pugi::xml_node OwnProperty(pugi::xml_node set, std::string_view name) {
  for (pugi::xml_node property : set.child("ItemPropertys").children("Property")) {
    if (name == property.attribute("Name").value()) return property;
  }
  return {};
}

// Sets (creating or replacing) the value of a property on a `File` element.
void SetFileValue(pugi::xml_node file, std::string_view name, std::string_view value) {
  pugi::xml_node properties = file.child("ItemPropertys");
  if (!properties) properties = file.append_child("ItemPropertys");
  for (pugi::xml_node property : properties.children("Property")) {
    if (name == property.attribute("Name").value()) {
      SetAttribute(property, "Value", value);
      return;
    }
  }
  pugi::xml_node property = properties.append_child("Property");
  SetAttribute(property, "Name", name);
  SetAttribute(property, "Value", value);
}

void RemoveFileValue(pugi::xml_node file, std::string_view name) {
  pugi::xml_node properties = file.child("ItemPropertys");
  for (pugi::xml_node property = properties.first_child(); property;) {
    pugi::xml_node next = property.next_sibling();
    if (name == property.attribute("Name").value()) properties.remove_child(property);
    property = next;
  }
}

}  // namespace

DefinitionList CFileSetStore::GetDefinitions(std::string_view name) const {
  std::unordered_map<std::string, DefinitionList> cache;
  return GetDefinitionsCached(name, cache);
}

// The cache holds each set's result for one top-level call, so that a set reached
// through several parents is worked out once; an entry is made before the walk up
// so that a parent cycle in a hand-edited file ends instead of recursing forever.
DefinitionList CFileSetStore::GetDefinitionsCached(std::string_view name,
                                                   std::unordered_map<std::string, DefinitionList>& cache) const {
  const std::string key(name);
  if (const auto known = cache.find(key); known != cache.end()) return known->second;
  pugi::xml_node set = FindFileSet(name);
  if (!set) return {};
  cache.emplace(key, DefinitionList());

  DefinitionList list;
  for (const auto& parent : GetParents(name)) {
    DefinitionList inherited = GetDefinitionsCached(parent, cache);
    for (auto& definition : inherited) definition.origin = kOriginParent;
    bool conflict = false;
    list = MergeDefinitions(list, inherited, conflict);
  }
  for (pugi::xml_node property : set.child("ItemPropertys").children("Property")) {
    PropertyDefinition own = ReadDefinition(property);
    auto inherited = std::find_if(list.begin(), list.end(), [&](const auto& d) { return d.name == own.name; });
    if (inherited == list.end()) {
      list.push_back(std::move(own));
      continue;
    }
    own.origin = kOriginExt;
    *inherited = std::move(own);
  }
  cache[key] = list;
  return list;
}

DefinitionList CFileSetStore::CollectDefinitions(const NameList& names, bool& conflict) const {
  DefinitionList list;
  std::unordered_map<std::string, DefinitionList> cache;
  for (const auto& name : names) list = MergeDefinitions(list, GetDefinitionsCached(name, cache), conflict);
  return list;
}

bool CFileSetStore::SetOwnDefinitions(const std::string& name, const DefinitionList& list) {
  pugi::xml_node set = FindFileSet(name);
  if (!set) return false;
  const DefinitionList current = GetDefinitions(name);

  for (const auto& definition : list) {
    if (!IsValidName(definition.name) || definition.type.empty()) continue;
    const PropertyDefinition* known = FindDefinition(current, definition.name);
    if (!known) {
      AddDefinition(set, definition);
      continue;
    }
    if (known->type == definition.type && known->min == definition.min && known->max == definition.max &&
        known->initValue == definition.initValue) {
      continue;
    }
    pugi::xml_node own = OwnProperty(set, definition.name);
    if (!own) {
      pugi::xml_node properties = set.child("ItemPropertys");
      if (!properties) properties = set.append_child("ItemPropertys");
      own = properties.append_child("Property");
      SetAttribute(own, "Name", definition.name);
      SetAttribute(own, "Type", definition.type);
    }
    WriteBounds(own, definition);
  }

  for (const auto& definition : current) {
    if (definition.origin == kOriginSelf && !FindDefinition(list, definition.name)) {
      RemoveDefinition(name, definition.name);
    }
  }
  return true;
}

bool CFileSetStore::DropOverride(const std::string& name, const std::string& propertyName) {
  const DefinitionList current = GetDefinitions(name);
  const PropertyDefinition* known = FindDefinition(current, propertyName);
  if (!known || known->origin != kOriginExt) return false;
  pugi::xml_node own = OwnProperty(FindFileSet(name), propertyName);
  return own && own.parent().remove_child(own);
}

void CFileSetStore::AddDefinition(pugi::xml_node set, const PropertyDefinition& definition) {
  pugi::xml_node properties = set.child("ItemPropertys");
  if (!properties) properties = set.append_child("ItemPropertys");
  pugi::xml_node property = properties.append_child("Property");
  SetAttribute(property, "Name", definition.name);
  SetAttribute(property, "Type", definition.type);
  WriteBounds(property, definition);

  // Every item of the set and of its descendants takes the initial value.
  for (const auto& setName : DescendantsPreorder(ChildText(set, "Name"))) {
    for (pugi::xml_node file : FindFileSet(setName).child("Elements").children()) {
      if (file.type() != pugi::node_element) continue;
      SetFileValue(file, definition.name, definition.initValue);
      if (CFileItem* item = rootItems_.Find(ChildText(file, "Path"))) {
        item->SetPropertyValue(definition.name, definition.initValue);
      }
    }
  }
}

void CFileSetStore::RemoveDefinition(const std::string& setName, const std::string& propertyName) {
  // Each set of the subtree is handled once, parents before children; the set's
  // own element of that name goes after its descendants have been handled.
  std::unordered_set<std::string> done;
  auto removeFrom = [&](auto& self, const std::string& current) -> void {
    if (!done.insert(current).second) return;
    pugi::xml_node set = FindFileSet(current);
    if (!set) return;
    for (pugi::xml_node file : set.child("Elements").children()) {
      if (file.type() != pugi::node_element) continue;
      CFileItem* item = rootItems_.Find(ChildText(file, "Path"));
      NameList others = item ? item->GetOwningSets() : NameList();
      RemoveName(others, current);
      bool conflict = false;
      if (FindDefinition(CollectDefinitions(others, conflict), propertyName)) continue;
      RemoveFileValue(file, propertyName);
      if (item) item->RemovePropertyValue(propertyName);
    }
    for (const auto& child : GetChilds(current)) self(self, child);
    if (pugi::xml_node own = OwnProperty(set, propertyName)) own.parent().remove_child(own);
  };
  removeFrom(removeFrom, setName);
}

void CFileSetStore::RemoveLostDefinitions(const std::string& setName, const DefinitionList& before,
                                          const DefinitionList& after) {
  for (const auto& definition : before) {
    if (!FindDefinition(after, definition.name)) RemoveDefinition(setName, definition.name);
  }
}

}  // namespace ovelin

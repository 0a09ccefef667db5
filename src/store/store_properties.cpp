// Property definitions: what is in force for a set through its parents, and
// adding, changing and removing definitions together with the items' values.
#include <algorithm>
#include <unordered_set>

#include "store/definition_walk.h"
#include "store/file_set_store.h"
#include "store/xml_text.h"

namespace ovelin {
namespace {

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
  const std::string key(name);
  DefinitionMemo memo;
  DefinitionWalk walk(*this, memo);
  walk.CountReaders({key}, true);
  return walk.Of(key);
}

DefinitionList CFileSetStore::GetDefinitions(std::string_view name, DefinitionMemo& memo) const {
  return DefinitionWalk(*this, memo).Of(std::string(name));
}

// One walk for all the names, so that a set reached through several of them is
// worked out once.
DefinitionList CFileSetStore::CollectDefinitions(const NameList& names, bool& conflict) const {
  DefinitionMemo memo;
  DefinitionWalk walk(*this, memo);
  walk.CountReaders(names, true);
  DefinitionList list;
  for (const auto& name : names) list = MergeDefinitions(list, walk.Of(name), conflict);
  return list;
}

std::unordered_map<std::string, DefinitionList> CFileSetStore::GetOwnDefinitionsOfAll() const {
  const NameList names = GetFileSetNames();
  DefinitionMemo memo;
  DefinitionWalk walk(*this, memo);
  walk.CountReaders(names, false);
  std::unordered_map<std::string, DefinitionList> own;
  walk.OnFinished([&own](const std::string& name, const DefinitionList& list, const std::vector<size_t>& positions) {
    DefinitionList& made = own[name];
    for (size_t position : positions) made.push_back(list[position]);
  });
  for (const auto& name : names) walk.Visit(name);
  return own;
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
  // Each item of the set loses its value unless another of its sets still defines it.
  auto removeValues = [&](pugi::xml_node set, const std::string& current) {
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
  };
  // Each set of the subtree is handled once, parents before children, depth first
  // on an explicit stack; the set's own element of that name goes after its
  // descendants have been handled.
  struct Frame {
    pugi::xml_node set;
    NameList childs;
    size_t next = 0;
  };
  std::unordered_set<std::string> done;
  std::vector<Frame> stack;
  auto enter = [&](const std::string& current) {
    if (!done.insert(current).second) return;
    pugi::xml_node set = FindFileSet(current);
    if (!set) return;
    removeValues(set, current);
    stack.push_back({set, GetChilds(current), 0});
  };
  enter(setName);
  while (!stack.empty()) {
    Frame& top = stack.back();
    if (top.next < top.childs.size()) {
      const std::string child = top.childs[top.next++];
      enter(child);
      continue;
    }
    if (pugi::xml_node own = OwnProperty(top.set, propertyName)) own.parent().remove_child(own);
    stack.pop_back();
  }
}

void CFileSetStore::RemoveLostDefinitions(const std::string& setName, const DefinitionList& before,
                                          const DefinitionList& after) {
  for (const auto& definition : before) {
    if (!FindDefinition(after, definition.name)) RemoveDefinition(setName, definition.name);
  }
}

}  // namespace ovelin

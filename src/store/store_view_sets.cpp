// Storage of view sets: `ViewSet` elements under `ViewSetRoot`. The checks made
// before a view set is stored belong to the query engine.
#include "store/file_set_store.h"
#include "store/xml_text.h"

namespace ovelin {

pugi::xml_node CFileSetStore::FindViewSet(std::string_view name) const {
  if (name.empty()) return {};
  // The name travels as an XPath variable, never pasted into the query text.
  pugi::xpath_variable_set variables;
  variables.set("name", std::string(name).c_str());
  try {
    const pugi::xpath_query query("/AllSets/ViewSetRoot/ViewSet[@Name = $name]", &variables);
    return doc_.select_node(query).node();
  } catch (const pugi::xpath_exception&) {
    return {};
  }
}

NameList CFileSetStore::GetViewSetNames() const {
  NameList names;
  for (pugi::xml_node view : AllSets().child("ViewSetRoot").children("ViewSet")) {
    if (pugi::xml_attribute name = view.attribute("Name")) names.emplace_back(name.value());
  }
  SortNames(names);
  return names;
}

std::string CFileSetStore::GetViewSetExpression(std::string_view name) const {
  return FindViewSet(name).attribute("Expression").value();
}

bool CFileSetStore::HasViewSet(std::string_view name) const { return static_cast<bool>(FindViewSet(name)); }

bool CFileSetStore::AppendViewSet(const std::string& name, const std::string& expression) {
  pugi::xml_node allSets = AllSets();
  if (!allSets) return false;
  pugi::xml_node root = allSets.child("ViewSetRoot");
  if (!root) root = allSets.append_child("ViewSetRoot");
  pugi::xml_node view = root.append_child("ViewSet");
  SetAttribute(view, "Name", name);
  SetAttribute(view, "Expression", expression);
  return true;
}

bool CFileSetStore::SetViewSetExpression(std::string_view name, const std::string& expression) {
  pugi::xml_node view = FindViewSet(name);
  if (!view) return false;
  SetAttribute(view, "Expression", expression);
  return true;
}

bool CFileSetStore::SetViewSetName(std::string_view oldName, const std::string& newName) {
  pugi::xml_node view = FindViewSet(oldName);
  if (!view) return false;
  SetAttribute(view, "Name", newName);
  return true;
}

bool CFileSetStore::RemoveViewSet(std::string_view name) {
  pugi::xml_node view = FindViewSet(name);
  return view && view.parent().remove_child(view);
}

}  // namespace ovelin

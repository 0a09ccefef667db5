#include "filing/property_placement.h"

#include <algorithm>

#include "store/text_order.h"
#include "store/xml_text.h"

namespace ovelin {
namespace {

int CompareAs(const std::string& type, const std::string& a, const std::string& b) {
  if (type == "NUMBER") {
    const double x = LeadingNumber(a);
    const double y = LeadingNumber(b);
    return x < y ? -1 : (x > y ? 1 : 0);
  }
  if (type == "STRING") return CompareUtf16(a, b);
  return 0;
}

// Tests the set's own definitions in their order, completing empty values.
bool Accepts(const DefinitionList& definitions, CFileItem& values) {
  for (const auto& definition : definitions) {
    if (values.FindPropertyValue(definition.name) < 0) return false;
    std::string value = values.GetPropertyValue(definition.name);
    if (value.empty()) {
      value = definition.initValue;
      values.SetPropertyValue(definition.name, value);
    }
    if (!IsWithinBounds(definition, value)) return false;
  }
  return true;
}

// `path` holds the sets being visited, so that a parent cycle in a hand-edited
// data file ends the walk instead of recursing forever.
NameList Place(const CFileSetStore& store, const std::string& set, CFileItem& values, NameList& path) {
  const DefinitionList definitions = store.GetDefinitions(set);
  if (definitions.empty()) return {set};
  if (std::find(path.begin(), path.end(), set) != path.end()) return {};
  path.push_back(set);
  NameList answer;
  for (const auto& child : store.GetChilds(set)) {
    if (!store.FindFileSet(child)) continue;
    for (const auto& name : Place(store, child, values, path)) InsertName(answer, name);
  }
  path.pop_back();
  if (answer.empty() && Accepts(definitions, values)) answer.push_back(set);
  return answer;
}

}  // namespace

bool IsWithinBounds(const PropertyDefinition& definition, const std::string& value) {
  if (!definition.min.empty() && CompareAs(definition.type, value, definition.min) < 0) return false;
  if (!definition.max.empty() && CompareAs(definition.type, value, definition.max) > 0) return false;
  return true;
}

NameList PlaceItem(const CFileSetStore& store, const std::string& set, CFileItem& values) {
  NameList path;
  return Place(store, set, values, path);
}

}  // namespace ovelin

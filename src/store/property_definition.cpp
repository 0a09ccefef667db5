#include "store/property_definition.h"

namespace ovelin {
namespace {

std::vector<std::string> SplitFields(std::string_view text) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    const size_t end = text.find(';', start);
    fields.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return fields;
    start = end + 1;
  }
}

}  // namespace

std::string PropertyDefinition::ToString() const {
  return name + ';' + type + ';' + min + ';' + max + ';' + initValue + ';' + origin;
}

std::optional<PropertyDefinition> PropertyDefinition::Parse(std::string_view text) {
  const auto fields = SplitFields(text);
  if (fields.size() < 5) return std::nullopt;
  PropertyDefinition definition{fields[0], fields[1], fields[2], fields[3], fields[4], ""};
  if (fields.size() > 5) definition.origin = fields[5];
  return definition;
}

const PropertyDefinition* FindDefinition(const DefinitionList& list, std::string_view name) {
  for (const auto& definition : list) {
    if (definition.name == name) return &definition;
  }
  return nullptr;
}

DefinitionList MergeDefinitions(const DefinitionList& a, const DefinitionList& b, bool& conflict) {
  DefinitionList merged = a;
  for (const auto& definition : b) {
    const PropertyDefinition* known = FindDefinition(a, definition.name);
    if (!known) {
      merged.push_back(definition);
    } else if (known->type != definition.type) {
      conflict = true;
    }
  }
  return merged;
}

}  // namespace ovelin

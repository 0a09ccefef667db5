#include "store/set_checks.h"

#include <algorithm>
#include <optional>

namespace ovelin {
namespace {

bool IsKnownType(std::string_view type) { return type == "NUMBER" || type == "STRING"; }

bool IsKnownOrigin(std::string_view origin) {
  return origin.empty() || origin == kOriginSelf || origin == kOriginParent || origin == kOriginExt;
}

CheckResult DefinitionFault(const std::string& text, const std::optional<PropertyDefinition>& definition) {
  if (!definition) return {MessageId::BadDefinition, MessageId::None, {text}};
  if (!IsKnownType(definition->type)) return {MessageId::BadDefinitionType, MessageId::None, {text}};
  if (!IsKnownOrigin(definition->origin)) return {MessageId::BadDefinitionOrigin, MessageId::None, {text}};
  if (!IsValidName(definition->name)) return {MessageId::PropertyNameIllegal, MessageId::None, {definition->name}};
  return {};
}

}  // namespace

CheckResult CheckNewSetName(const CFileSetStore& store, const std::string& name, MessageId usedMessage) {
  if (IsBlankName(name)) return {MessageId::SetNameEmpty, MessageId::None};
  if (!IsValidName(name)) return {MessageId::SetNameIllegal, MessageId::None};
  if (store.FindFileSet(name)) return {usedMessage, MessageId::NameUsedBySet, {name}};
  if (store.IsNameUsed(name).used) return {usedMessage, MessageId::NameUsedByViewSet, {name}};
  return {};
}

CheckResult CheckSetExists(const CFileSetStore& store, const std::string& name) {
  if (store.FindFileSet(name)) return {};
  return {MessageId::UnknownSet, MessageId::None, {name}};
}

CheckResult CheckParentsExist(const CFileSetStore& store, const NameList& parents) {
  for (const auto& parent : parents) {
    if (!store.FindFileSet(parent)) return {MessageId::UnknownParent, MessageId::None, {parent}};
  }
  return {};
}

CheckResult CheckNoCycle(const CFileSetStore& store, const std::string& name, const NameList& parents) {
  for (const auto& parent : parents) {
    if (parent == name || store.IsDescendant(parent, name)) return {MessageId::ParentCycle, MessageId::None, {parent, name}};
  }
  return {};
}

CheckResult ParseDefinitions(const std::vector<std::string>& texts, DefinitionList& definitions) {
  definitions.clear();
  for (const auto& text : texts) {
    auto definition = PropertyDefinition::Parse(text);
    if (CheckResult fault = DefinitionFault(text, definition); !fault) return fault;
    if (FindDefinition(definitions, definition->name)) {
      return {MessageId::PropertyConflict, MessageId::DuplicateDefinition, {definition->name}};
    }
    if (definition->origin.empty()) definition->origin = kOriginSelf;
    definitions.push_back(std::move(*definition));
  }
  return {};
}

CheckResult CheckParentConflicts(const CFileSetStore& store, const NameList& parents) {
  bool conflict = false;
  store.CollectDefinitions(parents, conflict);
  if (conflict) return {MessageId::ParentPropertyConflict, MessageId::None};
  return {};
}

CheckResult CheckOwnConflicts(const CFileSetStore& store, const NameList& parents, const DefinitionList& own) {
  bool conflict = false;
  const DefinitionList inherited = store.CollectDefinitions(parents, conflict);
  conflict = false;  // only a clash between own and inherited definitions counts here
  MergeDefinitions(own, inherited, conflict);
  if (conflict) return {MessageId::PropertyConflict, MessageId::None};
  return {};
}

CheckResult CheckNoTypeChange(const CFileSetStore& store, const std::string& name, const DefinitionList& wanted) {
  const DefinitionList current = store.GetDefinitions(name);
  for (const auto& definition : wanted) {
    const PropertyDefinition* known = FindDefinition(current, definition.name);
    if (!known || known->origin != kOriginSelf || known->type == definition.type) continue;
    return {MessageId::TypeUnchangeable, MessageId::None, {definition.name}};
  }
  return {};
}

CheckResult CheckExtendedParent(const StorePath& path, const NameList& parents) {
  if (path.kind != StorePathKind::ExParent || path.text.empty()) return {};
  if (std::find(parents.begin(), parents.end(), path.text) != parents.end()) return {};
  return {MessageId::ExtendNotAParent, MessageId::None, {path.text}};
}

}  // namespace ovelin

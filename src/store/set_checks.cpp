#include "store/set_checks.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

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

// The names of the definitions in force for `sets` and of those that their
// descendants make themselves, each set visited once.
std::unordered_set<std::string> DefinedNames(const CFileSetStore& store, const NameList& sets) {
  std::unordered_set<std::string> names;
  bool conflict = false;
  for (const auto& definition : store.CollectDefinitions(sets, conflict)) names.insert(definition.name);
  const auto own = store.GetOwnDefinitionsOfAll();
  std::unordered_set<std::string> seen(sets.begin(), sets.end());
  std::vector<std::string> pending(sets.begin(), sets.end());
  while (!pending.empty()) {
    const std::string set = std::move(pending.back());
    pending.pop_back();
    if (const auto found = own.find(set); found != own.end()) {
      for (const auto& definition : found->second) names.insert(definition.name);
    }
    for (auto& child : store.GetChilds(set)) {
      if (seen.insert(child).second) pending.push_back(std::move(child));
    }
  }
  return names;
}

}  // namespace

CheckResult CheckNewSetName(const CFileSetStore& store, const std::string& name, MessageId usedMessage) {
  if (IsBlankName(name)) return {MessageId::SetNameEmpty, MessageId::None};
  if (const size_t bad = name.find_first_of(kIllegalNameCharacters); bad != std::string::npos) {
    return {MessageId::SetNameIllegal, MessageId::NameIllegal, {name, name.substr(bad, 1)}};
  }
  if (store.FindFileSet(name)) return {usedMessage, MessageId::NameUsedBySet, {name}};
  // "Clashes with an existing set" would mislead here: a view set holds the name.
  if (store.IsNameUsed(name).used) return {MessageId::NameExists, MessageId::NameUsedByViewSet, {name}};
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
    if (parent == name || store.IsDescendant(parent, name))
      return {MessageId::ParentCycle, MessageId::None, {parent, name}};
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

CheckResult CheckPropertiesDefined(const CFileSetStore& store, const NameList& sets, const NameList& names) {
  if (names.empty()) return {};
  const NameList owners = sets.empty() ? NameList{store.GetRootName()} : sets;
  const std::unordered_set<std::string> defined = DefinedNames(store, owners);
  for (const auto& name : names) {
    if (!defined.contains(name)) return {MessageId::UndefinedItemProperty, MessageId::None, {name, JoinNames(owners)}};
  }
  return {};
}

CheckResult CheckExtendedParent(const StorePath& path, const NameList& parents) {
  if (path.kind != StorePathKind::ExParent || path.text.empty()) return {};
  if (std::find(parents.begin(), parents.end(), path.text) != parents.end()) return {};
  return {MessageId::ExtendNotAParent, MessageId::None, {path.text}};
}

}  // namespace ovelin

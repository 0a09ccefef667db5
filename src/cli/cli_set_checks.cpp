#include "cli/cli_set_checks.h"

#include <algorithm>

#include "cli/cli_input.h"
#include "cli/cli_messages.h"
#include "cli/cli_output.h"

namespace ovelin::cli {
namespace {

std::string Quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

bool IsKnownType(std::string_view type) { return type == "NUMBER" || type == "STRING"; }

bool IsKnownOrigin(std::string_view origin) {
  return origin.empty() || origin == kOriginSelf || origin == kOriginParent || origin == kOriginExt;
}

}  // namespace

int CheckNewSetName(const CFileSetStore& store, const std::string& name, std::string_view usedMessage) {
  if (IsBlankName(name)) return Fail(kExitFailed, kMsgSetNameEmpty);
  if (!IsValidName(name)) return Fail(kExitFailed, kMsgSetNameIllegal);
  if (store.IsNameUsed(name).used) return Fail(kExitFailed, usedMessage);
  return kExitOk;
}

int CheckSetExists(const CFileSetStore& store, std::string_view name) {
  if (store.FindFileSet(name)) return kExitOk;
  return Fail(kExitFailed, "no entity set named " + Quoted(name));
}

int CheckParentsExist(const CFileSetStore& store, const NameList& parents) {
  for (const auto& parent : parents) {
    if (!store.FindFileSet(parent)) return Fail(kExitFailed, "no parent set named " + Quoted(parent));
  }
  return kExitOk;
}

int CheckNoCycle(const CFileSetStore& store, const std::string& name, const NameList& parents) {
  for (const auto& parent : parents) {
    if (parent == name || store.IsDescendant(parent, name)) {
      return Fail(kExitFailed, Quoted(parent) + " cannot become a parent of " + Quoted(name) +
                                   ": it is the set itself or one of its descendants, and the links would form a cycle");
    }
  }
  return kExitOk;
}

int ParseDefinitions(const std::vector<std::string>& texts, DefinitionList& definitions) {
  definitions.clear();
  for (const auto& text : texts) {
    auto definition = PropertyDefinition::Parse(text);
    if (!definition) {
      return Fail(kExitUsage, "bad property definition " + Quoted(text) + ": expected name;type;min;max;init[;origin]");
    }
    if (!IsKnownType(definition->type)) {
      return Fail(kExitUsage, "bad property definition " + Quoted(text) + ": the type is NUMBER or STRING");
    }
    if (!IsKnownOrigin(definition->origin)) {
      return Fail(kExitUsage, "bad property definition " + Quoted(text) + ": the origin is Self, Parent or Ext");
    }
    if (!IsValidName(definition->name)) return Fail(kExitFailed, kMsgPropertyNameIllegal);
    if (FindDefinition(definitions, definition->name)) return Fail(kExitFailed, kMsgPropertyConflict);
    if (definition->origin.empty()) definition->origin = kOriginSelf;
    definitions.push_back(std::move(*definition));
  }
  return kExitOk;
}

int CheckParentConflicts(const CFileSetStore& store, const NameList& parents) {
  bool conflict = false;
  store.CollectDefinitions(parents, conflict);
  if (conflict) return Fail(kExitFailed, kMsgParentPropertyConflict);
  return kExitOk;
}

int CheckOwnConflicts(const CFileSetStore& store, const NameList& parents, const DefinitionList& own) {
  bool conflict = false;
  const DefinitionList inherited = store.CollectDefinitions(parents, conflict);
  conflict = false;  // only a clash between own and inherited definitions counts here
  MergeDefinitions(own, inherited, conflict);
  if (conflict) return Fail(kExitFailed, kMsgPropertyConflict);
  return kExitOk;
}

int CheckNoTypeChange(const CFileSetStore& store, const std::string& name, const DefinitionList& wanted) {
  const DefinitionList current = store.GetDefinitions(name);
  for (const auto& definition : wanted) {
    const PropertyDefinition* known = FindDefinition(current, definition.name);
    if (!known || known->origin != kOriginSelf || known->type == definition.type) continue;
    return Fail(kExitFailed, "the type of property " + Quoted(definition.name) +
                                 " cannot be changed; remove the property and add it again");
  }
  return kExitOk;
}

int CheckStorePathOptions(const std::vector<std::string>& paths, const std::vector<std::string>& extends,
                          bool required) {
  if (paths.size() + extends.size() > 1) return Fail(kExitUsage, "give one --path DIR or one --extend P");
  if (paths.empty() && extends.empty() && required) return Fail(kExitUsage, "give --path DIR or --extend P");
  return kExitOk;
}

int ChooseStorePath(const std::vector<std::string>& paths, const std::vector<std::string>& extends,
                    const NameList& parents, StorePath& path) {
  path.found = true;
  if (!paths.empty()) {
    path.kind = StorePathKind::UsrDef;
    path.text = AbsolutePath(paths.front());
    return kExitOk;
  }
  path.kind = StorePathKind::ExParent;
  path.text = extends.empty() ? std::string() : extends.front();
  if (!path.text.empty() && std::find(parents.begin(), parents.end(), path.text) == parents.end()) {
    return Fail(kExitFailed, "--extend " + Quoted(path.text) + ": not a parent of the set");
  }
  return kExitOk;
}

}  // namespace ovelin::cli

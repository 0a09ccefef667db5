// The set commands that change the document: set add|rename|parents|path|props|note|rm.
// Each takes the writer lock, loads, checks, changes through the store and saves once.

#include <algorithm>

#include "cli/cli_commands.h"
#include "cli/cli_messages.h"
#include "cli/cli_output.h"
#include "cli/cli_set_checks.h"

namespace ovelin::cli {
namespace {

std::string Quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

// Drops repeated names and keeps the first occurrence: the first parent is the one
// a new set extends by default.
NameList UniqueInOrder(const std::vector<std::string>& names) {
  NameList unique;
  for (const auto& name : names) {
    if (std::find(unique.begin(), unique.end(), name) == unique.end()) unique.push_back(name);
  }
  return unique;
}

// The definitions a set makes itself, including those replacing inherited ones.
DefinitionList OwnDefinitions(const CFileSetStore& store, const std::string& name) {
  DefinitionList own;
  for (const auto& definition : store.GetDefinitions(name)) {
    if (definition.origin != kOriginParent) own.push_back(definition);
  }
  return own;
}

// A set that extends a parent it no longer has extends the last remaining one.
void KeepExtendedParent(CFileSetStore& store, const std::string& name) {
  const StorePath path = store.GetStorePath(name);
  const NameList parents = store.GetParents(name);
  if (path.kind != StorePathKind::ExParent || parents.empty() || ContainsName(parents, path.text)) return;
  store.SetStorePath(name, parents.back(), StorePathKind::ExParent);
}

int Add(CliContext& context, const ParsedArgs& args) {
  const std::string& name = args.positionals[0];
  DefinitionList definitions;
  if (int rc = ParseDefinitions(args.All("--prop"), definitions); rc != kExitOk) return rc;
  const auto paths = args.All("--path");
  const auto extends = args.All("--extend");
  if (int rc = CheckStorePathOptions(paths, extends, false); rc != kExitOk) return rc;
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;

  CFileSetStore& store = context.store();
  if (int rc = CheckNewSetName(store, name, kMsgNameExists); rc != kExitOk) return rc;
  NameList parents = UniqueInOrder(args.All("--parent"));
  if (parents.empty()) parents.push_back(store.GetRootName());
  if (int rc = CheckParentsExist(store, parents); rc != kExitOk) return rc;
  StorePath path;
  if (int rc = ChooseStorePath(paths, extends, parents, path); rc != kExitOk) return rc;
  if (int rc = CheckParentConflicts(store, parents); rc != kExitOk) return rc;
  if (int rc = CheckOwnConflicts(store, parents, definitions); rc != kExitOk) return rc;
  if (!store.CreateFileSet(name, parents, path.text, path.kind, definitions)) {
    return Fail(kExitFailed, kMsgCreateSetFailed);
  }
  if (auto note = args.Last("--note")) store.SetNote(name, *note);
  return context.SaveChanges();
}

int Rename(CliContext& context, const ParsedArgs& args) {
  const std::string& oldName = args.positionals[0];
  const std::string& newName = args.positionals[1];
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  CFileSetStore& store = context.store();
  if (int rc = CheckSetExists(store, oldName); rc != kExitOk) return rc;
  if (newName == oldName) return kExitOk;
  if (int rc = CheckNewSetName(store, newName, kMsgNameConflictsWithSet); rc != kExitOk) return rc;
  if (!store.RenameFileSet(oldName, newName)) return Fail(kExitFailed, "cannot rename " + Quoted(oldName));
  return context.SaveChanges();
}

int Parents(CliContext& context, const ParsedArgs& args) {
  const std::string& name = args.positionals[0];
  const NameList parents(args.positionals.begin() + 1, args.positionals.end());
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  CFileSetStore& store = context.store();
  if (int rc = CheckSetExists(store, name); rc != kExitOk) return rc;
  if (int rc = CheckParentsExist(store, parents); rc != kExitOk) return rc;
  if (int rc = CheckNoCycle(store, name, parents); rc != kExitOk) return rc;
  if (int rc = CheckParentConflicts(store, parents); rc != kExitOk) return rc;
  if (int rc = CheckOwnConflicts(store, parents, OwnDefinitions(store, name)); rc != kExitOk) return rc;
  if (!store.SetParents(name, parents)) return Fail(kExitFailed, "cannot set the parents of " + Quoted(name));
  KeepExtendedParent(store, name);
  return context.SaveChanges();
}

int Path(CliContext& context, const ParsedArgs& args) {
  const std::string& name = args.positionals[0];
  const auto paths = args.All("--path");
  const auto extends = args.All("--extend");
  if (int rc = CheckStorePathOptions(paths, extends, true); rc != kExitOk) return rc;
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  CFileSetStore& store = context.store();
  if (int rc = CheckSetExists(store, name); rc != kExitOk) return rc;
  StorePath path;
  if (int rc = ChooseStorePath(paths, extends, store.GetParents(name), path); rc != kExitOk) return rc;
  store.SetStorePath(name, path.text, path.kind);
  return context.SaveChanges();
}

int Props(CliContext& context, const ParsedArgs& args) {
  const std::string& name = args.positionals[0];
  DefinitionList definitions;
  if (int rc = ParseDefinitions(args.All("--prop"), definitions); rc != kExitOk) return rc;
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  CFileSetStore& store = context.store();
  if (int rc = CheckSetExists(store, name); rc != kExitOk) return rc;
  if (int rc = CheckNoTypeChange(store, name, definitions); rc != kExitOk) return rc;
  if (int rc = CheckOwnConflicts(store, store.GetParents(name), definitions); rc != kExitOk) return rc;
  if (!store.SetOwnDefinitions(name, definitions)) {
    return Fail(kExitFailed, "cannot set the property definitions of " + Quoted(name));
  }
  return context.SaveChanges();
}

int Note(CliContext& context, const ParsedArgs& args) {
  const std::string& name = args.positionals[0];
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  CFileSetStore& store = context.store();
  if (int rc = CheckSetExists(store, name); rc != kExitOk) return rc;
  store.SetNote(name, args.positionals[1]);
  return context.SaveChanges();
}

int Remove(CliContext& context, const ParsedArgs& args) {
  const std::string& name = args.positionals[0];
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  CFileSetStore& store = context.store();
  if (int rc = CheckSetExists(store, name); rc != kExitOk) return rc;
  if (name == store.GetRootName()) return Fail(kExitFailed, "the root set " + Quoted(name) + " cannot be removed");
  if (!store.DeleteFileSet(name, args.Has("--delete-files"))) return Fail(kExitFailed, "cannot remove " + Quoted(name));
  return context.SaveChanges();
}

}  // namespace

std::vector<Command> SetEditCommands() {
  return {
      {"set", "add", "NAME [--parent P]... [--path DIR | --extend P] [--prop DEF]... [--note TEXT]",
       "Creates an entity set.",
       {{"--parent", true}, {"--path", true}, {"--extend", true}, {"--prop", true}, {"--note", true}}, 1, 1, Add,
       "Without --parent the root set is the parent. The store path is the folder DIR (--path),\n"
       "or extends the parent P (--extend) or, with neither, the first parent given.\n"
       "DEF is name;type;min;max;init[;origin], type NUMBER or STRING."},
      {"set", "rename", "OLD NEW", "Renames an entity set.", {}, 2, 2, Rename},
      {"set", "parents", "NAME P...", "Replaces the parents of a set.", {}, 2, kAnyCount, Parents,
       "Refuses a parent that is the set itself or one of its descendants. A set that extends\n"
       "a parent it loses extends the last remaining parent in name order."},
      {"set", "path", "NAME (--path DIR | --extend P)", "Sets the store path of a set.",
       {{"--path", true}, {"--extend", true}}, 1, 1, Path, "P must be one of the set's parents."},
      {"set", "props", "NAME [--prop DEF]...", "Sets the property definitions that the set makes itself.",
       {{"--prop", true}}, 1, 1, Props,
       "Exactly the given list: own definitions left out are removed with their values;\n"
       "inherited ones stay. DEF is name;type;min;max;init[;origin], type NUMBER or STRING."},
      {"set", "note", "NAME TEXT", "Sets the note of a set.", {}, 2, 2, Note},
      {"set", "rm", "NAME [--delete-files]", "Removes a set and every child left without a parent.",
       {{"--delete-files", false}}, 1, 1, Remove,
       "--delete-files also deletes the local files of the items that belong to no set any more.\n"
       "The root set cannot be removed."},
  };
}

}  // namespace ovelin::cli

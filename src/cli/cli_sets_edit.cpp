// The set commands that change the document: set add|rename|parents|path|props|note|rm.
// Each takes the writer lock, loads, checks, changes through the store and saves once.

#include <algorithm>

#include "base/messages.h"
#include "cli/cli_commands.h"
#include "cli/cli_file_removal.h"
#include "cli/cli_output.h"
#include "cli/cli_references.h"
#include "cli/cli_set_checks.h"
#include "query/view_set_references.h"

namespace ovelin::cli {
namespace {

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

int Add(CliContext& context, const ParsedArgs& args) {
  const std::string& name = args.positionals[0];
  DefinitionList definitions;
  if (int rc = ReadDefinitions(args.All("--prop"), definitions, MessageId::AddSetFailed, name); rc != kExitOk) {
    return rc;
  }
  const auto paths = args.All("--path");
  const auto extends = args.All("--extend");
  if (int rc = CheckStorePathOptions(paths, extends, false); rc != kExitOk) return rc;
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;

  CFileSetStore& store = context.Store();
  if (int rc = Report(CheckNewSetName(store, name, MessageId::NameExists)); rc != kExitOk) return rc;
  NameList parents = UniqueInOrder(args.All("--parent"));
  if (parents.empty()) parents.push_back(store.GetRootName());
  if (int rc = ReportUnder(MessageId::AddSetFailed, name, CheckParentsExist(store, parents)); rc != kExitOk) return rc;
  StorePath path;
  if (int rc = ChooseStorePath(paths, extends, parents, path, MessageId::AddSetFailed, name); rc != kExitOk) return rc;
  if (int rc = Report(CheckParentConflicts(store, parents)); rc != kExitOk) return rc;
  if (int rc = Report(CheckOwnConflicts(store, parents, definitions)); rc != kExitOk) return rc;
  if (!store.CreateFileSet(name, parents, path.text, path.kind, definitions)) {
    return Report({MessageId::CreateSetFailed, MessageId::None});
  }
  if (auto note = args.Last("--note")) store.SetNote(name, *note);
  return context.SaveChanges();
}

int Rename(CliContext& context, const ParsedArgs& args) {
  const std::string& oldName = args.positionals[0];
  const std::string& newName = args.positionals[1];
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  CFileSetStore& store = context.Store();
  if (int rc = Report(CheckSetExists(store, oldName)); rc != kExitOk) return rc;
  if (newName == oldName) return kExitOk;
  if (int rc = Report(CheckNewSetName(store, newName, MessageId::NameConflictsWithSet)); rc != kExitOk) return rc;
  if (!RenameFileSetWithReferences(store, oldName, newName)) {
    return Report({MessageId::RenameSetFailed, MessageId::None, {oldName}}, kExitFailed);
  }
  return context.SaveChanges();
}

int Parents(CliContext& context, const ParsedArgs& args) {
  const std::string& name = args.positionals[0];
  const NameList parents(args.positionals.begin() + 1, args.positionals.end());
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  CFileSetStore& store = context.Store();
  if (int rc = Report(CheckSetExists(store, name)); rc != kExitOk) return rc;
  if (int rc = ReportUnder(MessageId::SetParentsFailed, name, CheckParentsExist(store, parents)); rc != kExitOk) {
    return rc;
  }
  if (int rc = ReportUnder(MessageId::SetParentsFailed, name, CheckNoCycle(store, name, parents)); rc != kExitOk) {
    return rc;
  }
  if (int rc = Report(CheckParentConflicts(store, parents)); rc != kExitOk) return rc;
  if (int rc = Report(CheckOwnConflicts(store, parents, OwnDefinitions(store, name))); rc != kExitOk) return rc;
  if (!store.SetParents(name, parents))
    return Report({MessageId::SetParentsFailed, MessageId::None, {name}}, kExitFailed);
  store.KeepExtendedParent(name);
  return context.SaveChanges();
}

int Path(CliContext& context, const ParsedArgs& args) {
  const std::string& name = args.positionals[0];
  const auto paths = args.All("--path");
  const auto extends = args.All("--extend");
  if (int rc = CheckStorePathOptions(paths, extends, true); rc != kExitOk) return rc;
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  CFileSetStore& store = context.Store();
  if (int rc = Report(CheckSetExists(store, name)); rc != kExitOk) return rc;
  StorePath path;
  if (int rc = ChooseStorePath(paths, extends, store.GetParents(name), path, MessageId::SetPathFailed, name);
      rc != kExitOk) {
    return rc;
  }
  store.SetStorePath(name, path.text, path.kind);
  return context.SaveChanges();
}

int Props(CliContext& context, const ParsedArgs& args) {
  const std::string& name = args.positionals[0];
  DefinitionList definitions;
  if (int rc = ReadDefinitions(args.All("--prop"), definitions, MessageId::SetDefinitionsFailed, name); rc != kExitOk) {
    return rc;
  }
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  CFileSetStore& store = context.Store();
  if (int rc = Report(CheckSetExists(store, name)); rc != kExitOk) return rc;
  if (int rc = ReportUnder(MessageId::SetDefinitionsFailed, name, CheckNoTypeChange(store, name, definitions));
      rc != kExitOk) {
    return rc;
  }
  if (int rc = Report(CheckOwnConflicts(store, store.GetParents(name), definitions)); rc != kExitOk) return rc;
  if (!store.SetOwnDefinitions(name, definitions)) {
    return Report({MessageId::SetDefinitionsFailed, MessageId::None, {name}}, kExitFailed);
  }
  for (const auto& property : args.All("--inherit")) {
    if (!store.DropOverride(name, property)) {
      return Report({MessageId::NotAnOverride, MessageId::None, {name, property}}, kExitFailed);
    }
  }
  return context.SaveChanges();
}

int Note(CliContext& context, const ParsedArgs& args) {
  const std::string& name = args.positionals[0];
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  CFileSetStore& store = context.Store();
  if (int rc = Report(CheckSetExists(store, name)); rc != kExitOk) return rc;
  store.SetNote(name, args.positionals[1]);
  return context.SaveChanges();
}

std::vector<std::string> RootItemPaths(const CFileSetStore& store) {
  std::vector<std::string> paths;
  for (const auto& item : store.GetRootItems()) paths.push_back(item.GetPath());
  return paths;
}

// The paths of `before` that the root item list no longer holds: the items that
// belong to no set any more.
std::vector<std::string> DroppedItemPaths(const CFileSetStore& store, const std::vector<std::string>& before) {
  std::vector<std::string> dropped;
  for (const auto& path : before) {
    if (!store.GetRootItems().Find(path)) dropped.push_back(path);
  }
  return dropped;
}

// The store deletes the set keeping every file; the files of the items it dropped
// are removed here, after the save, so that a failure can be reported.
int Remove(CliContext& context, const ParsedArgs& args) {
  const std::string& name = args.positionals[0];
  const bool deleteFiles = args.Has("--delete-files");
  if (!deleteFiles && args.Has(kPermanentlyOption)) {
    return Report({MessageId::OptionNeedsOption, MessageId::None, {kPermanentlyOption, "--delete-files"}}, kExitUsage);
  }
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  CFileSetStore& store = context.Store();
  if (int rc = Report(CheckSetExists(store, name)); rc != kExitOk) return rc;
  if (name == store.GetRootName()) return Report({MessageId::RemoveSetFailed, MessageId::RootSetUndeletable, {name}});
  const std::vector<std::string> before = deleteFiles ? RootItemPaths(store) : std::vector<std::string>{};
  if (!store.DeleteFileSet(name, false))
    return Report({MessageId::RemoveSetFailed, MessageId::None, {name}}, kExitFailed);
  if (int rc = context.SaveChanges(); rc != kExitOk) return rc;
  WarnAboutReferences(store, name);
  if (!deleteFiles) return kExitOk;
  return RemoveFilesOfUrls(DroppedItemPaths(store, before), RemovalOf(args)) ? kExitOk : kExitFailed;
}

}  // namespace

std::vector<Command> SetEditCommands() {
  return {
      {"set",
       "add",
       "NAME [--parent P]... [--path DIR | --extend P] [--prop DEF]... [--note TEXT]",
       "Creates an entity set.",
       {{"--parent", true}, {"--path", true}, {"--extend", true}, {"--prop", true}, {"--note", true}},
       1,
       1,
       Add,
       "Without --parent the root set is the parent. The store path is the folder DIR (--path),\n"
       "or extends the parent P (--extend) or, with neither, the first parent given.\n"
       "DEF is name;type;min;max;init[;origin], type NUMBER or STRING."},
      {"set",
       "rename",
       "OLD NEW",
       "Renames an entity set and every view-set expression that names it.",
       {},
       2,
       2,
       Rename},
      {"set",
       "parents",
       "NAME P...",
       "Replaces the parents of a set.",
       {},
       2,
       kAnyCount,
       Parents,
       "Refuses a parent that is the set itself or one of its descendants. A set that extends\n"
       "a parent it loses extends the last remaining parent in name order."},
      {"set",
       "path",
       "NAME (--path DIR | --extend P)",
       "Sets the store path of a set.",
       {{"--path", true}, {"--extend", true}},
       1,
       1,
       Path,
       "P must be one of the set's parents."},
      {"set",
       "props",
       "NAME [--prop DEF]... [--inherit PROP]...",
       "Sets the property definitions that the set makes itself.",
       {{"--prop", true}, {"--inherit", true}},
       1,
       1,
       Props,
       "Exactly the given list: own definitions left out are removed with their values.\n"
       "Inherited definitions stay. A DEF naming an inherited property with other bounds\n"
       "overrides it for this set and its children; an override left out of the list\n"
       "stays, and --inherit PROP drops it so that the inherited bounds apply again (the\n"
       "items keep their values). DEF is name;type;min;max;init[;origin], type NUMBER or STRING."},
      {"set", "note", "NAME TEXT", "Sets the note of a set.", {}, 2, 2, Note},
      {"set",
       "rm",
       "NAME [--delete-files [--permanently]]",
       "Removes a set and every child left without a parent.",
       {{"--delete-files", false}, {kPermanentlyOption, false}},
       1,
       1,
       Remove,
       "--delete-files also moves the local files of the items that belong to no set any\n"
       "more to the user's Trash; with --permanently they are deleted for good. A file whose\n"
       "file system has no usable trash is kept and reported, and the exit code is then 1;\n"
       "a file already gone is no failure. The root set cannot be removed. A child that keeps\n"
       "another parent and extended the store path of the removed set extends its last\n"
       "remaining parent in name order."},
  };
}

}  // namespace ovelin::cli

// The set commands that change nothing: set list, set tree, set show.

#include <algorithm>
#include <cstdint>

#include "base/messages.h"
#include "cli/cli_commands.h"
#include "cli/cli_output.h"
#include "store/set_checks.h"

namespace ovelin::cli {
namespace {

std::string_view KindText(StorePathKind kind) { return kind == StorePathKind::ExParent ? "ExParent" : "UsrDef"; }

bool Contains(const NameList& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The tree repeats a set under each of its parents. `ancestors` holds the sets on
// the way down from the root; a child found among them (a cycle in a document
// written elsewhere) is left out, so that the walk ends. Nothing is printed more
// than `depth` levels below the root.
void PrintTreeLines(const CFileSetStore& store, const std::string& name, NameList& ancestors, size_t depth) {
  PrintLine(std::string(2 * ancestors.size(), ' ') + name);
  if (ancestors.size() == depth) return;
  ancestors.push_back(name);
  for (const auto& child : store.GetChilds(name)) {
    if (!Contains(ancestors, child)) PrintTreeLines(store, child, ancestors, depth);
  }
  ancestors.pop_back();
}

Json TreeJson(const CFileSetStore& store, const std::string& name, NameList& ancestors, size_t depth) {
  Json children = Json::array();
  if (ancestors.size() < depth) {
    ancestors.push_back(name);
    for (const auto& child : store.GetChilds(name)) {
      if (!Contains(ancestors, child)) children.push_back(TreeJson(store, child, ancestors, depth));
    }
    ancestors.pop_back();
  }
  return Json{{"name", name}, {"children", std::move(children)}};
}

int List(CliContext& context, const ParsedArgs&) {
  if (int rc = context.OpenForReading(); rc != kExitOk) return rc;
  const NameList names = context.Store().GetFileSetNames();
  if (context.WantsJson()) {
    PrintJson(NamesToJson(names));
    return kExitOk;
  }
  for (const auto& name : names) PrintLine(name);
  return kExitOk;
}

int Tree(CliContext& context, const ParsedArgs& args) {
  size_t depth = SIZE_MAX;
  if (const auto text = args.Last("--depth")) {
    const auto parsed = ParseCount(*text);
    if (!parsed) return Report({MessageId::BadDepth, MessageId::None, {*text}}, kExitUsage);
    depth = *parsed;
  }
  if (int rc = context.OpenForReading(); rc != kExitOk) return rc;
  const CFileSetStore& store = context.Store();
  const std::string root = store.GetRootName();
  if (int rc = Report(CheckSetExists(store, root)); rc != kExitOk) return rc;
  NameList ancestors;
  if (context.WantsJson()) {
    PrintJson(TreeJson(store, root, ancestors, depth));
  } else {
    PrintTreeLines(store, root, ancestors, depth);
  }
  return kExitOk;
}

int Show(CliContext& context, const ParsedArgs& args) {
  if (int rc = context.OpenForReading(); rc != kExitOk) return rc;
  const CFileSetStore& store = context.Store();
  const std::string& name = args.positionals[0];
  if (int rc = Report(CheckSetExists(store, name)); rc != kExitOk) return rc;
  const StorePath path = store.GetStorePath(name);
  const NameList parents = store.GetParents(name);
  const NameList children = store.GetChilds(name);
  const DefinitionList definitions = store.GetDefinitions(name);
  if (context.WantsJson()) {
    Json properties = Json::array();
    for (const auto& definition : definitions) properties.push_back(definition.ToString());
    PrintJson(Json{{"name", name},
                   {"path_kind", KindText(path.kind)},
                   {"path", path.text},
                   {"effective_path", store.GetEffectiveStorePath(name)},
                   {"parents", NamesToJson(parents)},
                   {"children", NamesToJson(children)},
                   {"properties", std::move(properties)},
                   {"note", store.GetNote(name)}});
    return kExitOk;
  }
  PrintField("name", name);
  PrintField("path-kind", KindText(path.kind));
  PrintField("path", path.text);
  PrintField("effective-path", store.GetEffectiveStorePath(name));
  PrintField("parents", JoinNames(parents));
  PrintField("children", JoinNames(children));
  for (const auto& definition : definitions) PrintField("property", definition.ToString());
  PrintField("note", store.GetNote(name));
  return kExitOk;
}

}  // namespace

std::vector<Command> SetReadCommands() {
  return {
      {"set", "list", "", "Prints every entity set name in name order.", {}, 0, 0, List},
      {"set",
       "tree",
       "[--depth N]",
       "Prints the set graph as a tree from the root set, two spaces of indent per level.",
       {{"--depth", true}},
       0,
       0,
       Tree,
       "A set with several parents appears under each of them; children are in name order.\n"
       "--depth N prints N levels below the root set (0: the root alone); sets with many\n"
       "parents on many levels make a tree that grows exponentially with the depth."},
      {"set",
       "show",
       "NAME",
       "Prints a set's store path, parents, children, property definitions and note.",
       {},
       1,
       1,
       Show,
       "Lines: name, path-kind (UsrDef or ExParent), path, effective-path, parents, children\n"
       "(\";\"-joined), one property line per definition (name;type;min;max;init;origin), note."},
  };
}

}  // namespace ovelin::cli

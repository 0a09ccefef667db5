// View set commands: view list|show|add|set|rename|rm.

#include "cli/cli_commands.h"
#include "cli/cli_output.h"
#include "cli/cli_references.h"
#include "query/view_sets.h"

namespace ovelin::cli {
namespace {

int CheckViewExists(const CFileSetStore& store, const std::string& name) {
  if (store.HasViewSet(name)) return kExitOk;
  return Report({MessageId::UnknownViewSet, MessageId::None, {name}});
}

int List(CliContext& context, const ParsedArgs&) {
  if (int rc = context.OpenForReading(); rc != kExitOk) return rc;
  const NameList names = ListViewSetNames(context.Store());
  if (context.WantsJson()) {
    PrintJson(NamesToJson(names));
    return kExitOk;
  }
  for (const auto& name : names) PrintLine(name);
  return kExitOk;
}

int Show(CliContext& context, const ParsedArgs& args) {
  if (int rc = context.OpenForReading(); rc != kExitOk) return rc;
  const std::string& name = args.positionals[0];
  if (int rc = CheckViewExists(context.Store(), name); rc != kExitOk) return rc;
  const std::string expression = GetViewSetExpression(context.Store(), name);
  if (context.WantsJson()) {
    PrintJson(Json(expression));
  } else {
    PrintLine(expression);
  }
  return kExitOk;
}

// The view set operations save the data file themselves when they succeed.
int Add(CliContext& context, const ParsedArgs& args) {
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  return Report(AddViewSet(context.Store(), args.positionals[0], args.positionals[1]));
}

int Set(CliContext& context, const ParsedArgs& args) {
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  const std::string& name = args.positionals[0];
  if (int rc = CheckViewExists(context.Store(), name); rc != kExitOk) return rc;
  return Report(UpdateViewSetExpression(context.Store(), name, args.positionals[1]));
}

int Rename(CliContext& context, const ParsedArgs& args) {
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  const std::string& oldName = args.positionals[0];
  if (int rc = CheckViewExists(context.Store(), oldName); rc != kExitOk) return rc;
  return Report(RenameViewSet(context.Store(), oldName, args.positionals[1]));
}

int Remove(CliContext& context, const ParsedArgs& args) {
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  const std::string& name = args.positionals[0];
  if (int rc = Report(DeleteViewSet(context.Store(), name)); rc != kExitOk) return rc;
  WarnAboutReferences(context.Store(), name);
  return kExitOk;
}

}  // namespace

std::vector<Command> ViewCommands() {
  return {
      {"view", "list", "", "Lists the view set names in name order.", {}, 0, 0, List},
      {"view", "show", "NAME", "Prints the stored expression of a view set.", {}, 1, 1, Show},
      {"view", "add", "NAME EXPR", "Adds a view set; the expression must evaluate.", {}, 2, 2, Add},
      {"view", "set", "NAME EXPR", "Replaces a view set's expression; the new one must evaluate.", {}, 2, 2, Set},
      {"view",
       "rename",
       "OLD NEW",
       "Renames a view set and every view-set expression that names it.",
       {},
       2,
       2,
       Rename},
      {"view",
       "rm",
       "NAME",
       "Deletes a view set; names on stderr the view sets that still refer to it.",
       {},
       1,
       1,
       Remove},
  };
}

}  // namespace ovelin::cli

// The template commands: template export|import.

#include "base/messages.h"
#include "cli/cli_commands.h"
#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "filing/templates.h"

namespace ovelin::cli {
namespace {

int Export(CliContext& context, const ParsedArgs& args) {
  const std::string path = AbsolutePath(args.positionals[0]);
  const std::string branch = args.Last("--branch").value_or("");
  if (int rc = context.OpenForReading(); rc != kExitOk) return rc;
  if (int rc = Report(ExportTemplate(context.Store(), path, branch)); rc != kExitOk) return rc;
  if (context.WantsJson()) {
    PrintJson(Json(MessageText(MessageId::TemplateExportSucceeded)));
  } else {
    PrintLine(MessageText(MessageId::TemplateExportSucceeded));
  }
  return kExitOk;
}

int Import(CliContext& context, const ParsedArgs& args) {
  const std::string path = AbsolutePath(args.positionals[0]);
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  return Report(ImportTemplate(context.Store(), path));
}

}  // namespace

std::vector<Command> TemplateCommands() {
  return {
      {"template",
       "export",
       "FILE [--branch SET]",
       "Writes the set structure (no items, no view sets) to a template file.",
       {{"--branch", true}},
       1,
       1,
       Export,
       "Without --branch the whole tree; with it the set, its descendants and its ancestors.\n"
       "The file opens on any machine."},
      {"template",
       "import",
       "FILE",
       "Merges the sets of a template file under the root set.",
       {},
       1,
       1,
       Import,
       "A set whose name exists is linked under its template parent and takes the template's\n"
       "definitions; a name used by a view set is skipped with its subtree."},
  };
}

}  // namespace ovelin::cli

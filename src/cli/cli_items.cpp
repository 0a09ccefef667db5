// Commands on file items: item show.

#include "cli/cli_commands.h"
#include "cli/cli_output.h"
#include "store/file_url.h"

namespace ovelin::cli {
namespace {

// A local path given instead of a URL names the item of its file URL.
std::string ItemPathOf(const std::string& argument) {
  return !argument.empty() && argument.front() == '/' ? LocalPathToFileUrl(argument) : argument;
}

int Show(CliContext& context, const ParsedArgs& args) {
  if (int rc = context.OpenForReading(); rc != kExitOk) return rc;
  const std::string path = ItemPathOf(args.positionals[0]);
  const CFileItem item = context.store().FindItemByPath(path);
  if (item.GetPath().empty()) return Fail(kExitFailed, "no item with the path " + path);
  if (context.json()) {
    PrintJson(Json{{"name", item.GetName()},
                   {"path", item.GetPath()},
                   {"description", item.GetDescription()},
                   {"sets", NamesToJson(item.GetOwningSets())},
                   {"properties", PropertiesToJson(item)}});
    return kExitOk;
  }
  PrintField("name", item.GetName());
  PrintField("path", item.GetPath());
  PrintField("description", item.GetDescription());
  PrintField("sets", JoinNames(item.GetOwningSets()));
  for (const auto& entry : item.GetPropertyValues()) {
    const std::string name(PropertyEntryName(entry));
    PrintField("property", name + ";" + item.GetPropertyValue(name));
  }
  return kExitOk;
}

}  // namespace

std::vector<Command> ItemCommands() {
  return {
      {"item", "show", "URL", "Prints an item's name, path, description, sets and property values.", {}, 1, 1, Show,
       "URL is the item's path as stored; a local path starting with \"/\" stands for its file URL."},
  };
}

}  // namespace ovelin::cli

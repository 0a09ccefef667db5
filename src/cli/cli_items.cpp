// Commands on file items: item show|set.

#include <optional>
#include <string>
#include <utility>

#include "cli/cli_commands.h"
#include "cli/cli_output.h"
#include "filing/item_edit.h"
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
  const CFileItem item = context.Store().FindItemByPath(path);
  if (item.GetPath().empty()) return Report({MessageId::UnknownItem, MessageId::None, {path}});
  if (context.WantsJson()) {
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

// "NAME=VALUE" as (NAME, VALUE); nothing without "=" or with a name no property can have.
std::optional<std::pair<std::string, std::string>> PropertyAssignment(const std::string& option) {
  const size_t equals = option.find('=');
  if (equals == std::string::npos || !IsValidName(option.substr(0, equals))) return std::nullopt;
  return std::pair{option.substr(0, equals), option.substr(equals + 1)};
}

// The edit the options ask for; kExitOk, or the usage failure printed.
int ReadEdit(const ParsedArgs& args, ItemEdit& edit) {
  if (!args.Has("--name") && !args.Has("--description") && !args.Has("--prop") && !args.Has("--sets")) {
    return Report({MessageId::NothingToChange, MessageId::None}, kExitUsage);
  }
  edit.name = args.Last("--name");
  edit.description = args.Last("--description");
  if (auto sets = args.Last("--sets")) edit.sets = SplitNames(*sets);
  for (const auto& option : args.All("--prop")) {
    auto assignment = PropertyAssignment(option);
    if (!assignment) return Report({MessageId::PropOptionNeedsNameValue, MessageId::None, {option}}, kExitUsage);
    edit.values.push_back(std::move(*assignment));
  }
  return kExitOk;
}

int Set(CliContext& context, const ParsedArgs& args) {
  ItemEdit edit;
  if (int rc = ReadEdit(args, edit); rc != kExitOk) return rc;
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  if (int rc = Report(EditItem(context.Store(), ItemPathOf(args.positionals[0]), edit)); rc != kExitOk) return rc;
  return context.SaveChanges();
}

}  // namespace

std::vector<Command> ItemCommands() {
  return {
      {"item",
       "show",
       "URL",
       "Prints an item's name, path, description, sets and property values.",
       {},
       1,
       1,
       Show,
       "URL is the item's path as stored; a local path starting with \"/\" stands for its file URL."},
      {"item",
       "set",
       "URL [--name N] [--description D] [--prop NAME=VALUE]... [--sets S;S]",
       "Changes a recorded item's name, description, property values or sets; its file stays where it is.",
       {{"--name", true}, {"--description", true}, {"--prop", true}, {"--sets", true}},
       1,
       1,
       Set,
       "URL is the item's path as stored; a local path starting with \"/\" stands for its file URL.\n"
       "--prop sets the value of a property that one of the item's sets (after --sets) defines or\n"
       "inherits; an empty value takes the property's initial value. --sets replaces the sets that\n"
       "hold the item by the \";\"-joined list, exactly as given (no placement into child sets):\n"
       "a property the new sets bring in takes its initial value, values that none of them defines\n"
       "are dropped, and every value must lie within the range of each set's definitions.\n"
       "A blank name, an unknown set or property, or a value out of range is refused, and then\n"
       "nothing is saved. At least one option is needed."},
  };
}

}  // namespace ovelin::cli

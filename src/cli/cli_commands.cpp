#include "cli/cli_commands.h"

#include "cli/cli_batch.h"
#include "cli/cli_help.h"

namespace ovelin::cli {
namespace {

void Append(std::vector<Command>& all, std::vector<Command> group) {
  for (auto& command : group) all.push_back(std::move(command));
}

}  // namespace

const std::vector<Command>& AllCommands() {
  static const std::vector<Command> all = [] {
    std::vector<Command> commands;
    Append(commands, DocumentCommands());
    Append(commands, SetReadCommands());
    Append(commands, SetEditCommands());
    Append(commands, ItemCommands());
    Append(commands, ArchiveCommands());
    Append(commands, DeleteCommands());
    Append(commands, TemplateCommands());
    Append(commands, ConfigCommands());
    Append(commands, ViewCommands());
    Append(commands, QueryCommands());
    Append(commands, MatchCommands());
    Append(commands, SendCommands());
    Append(commands, BatchCommands());
    Append(commands, HelpCommands());
    return commands;
  }();
  return all;
}

const std::vector<OptionSpec>& GlobalOptionSpecs() {
  static const std::vector<OptionSpec> specs = {{"--data-dir", true}, {"--json", false}};
  return specs;
}

}  // namespace ovelin::cli

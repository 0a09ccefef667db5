#include "cli/cli_dispatch.h"

#include <algorithm>
#include <iostream>

#include "cli/cli_commands.h"
#include "cli/cli_help.h"
#include "cli/cli_output.h"

namespace ovelin::cli {
namespace {

using Args = std::vector<std::string>;

bool IsHelpFlag(std::string_view arg) { return arg == "--help" || arg == "-h"; }

// The help flag counts only among the options, not after "--".
bool AsksForHelp(const Args& args, size_t from) {
  for (size_t i = from; i < args.size() && args[i] != "--"; ++i) {
    if (IsHelpFlag(args[i])) return true;
  }
  return false;
}

int UsageError(std::string_view message, std::string_view usage) {
  std::cerr << "ovelin-cli: " << message << "\n";
  if (!usage.empty()) std::cerr << "usage: " << usage << "\n";
  std::cerr << "Try 'ovelin-cli --help'.\n";
  return kExitUsage;
}

bool GroupExists(std::string_view group) {
  const auto& all = AllCommands();
  return std::any_of(all.begin(), all.end(), [&](const Command& c) { return c.group == group; });
}

bool GroupHasSubcommands(std::string_view group) {
  const auto& all = AllCommands();
  return std::any_of(all.begin(), all.end(), [&](const Command& c) { return c.group == group && !c.name.empty(); });
}

const Command* FindCommand(std::string_view group, std::string_view name) {
  for (const auto& command : AllCommands()) {
    if (command.group == group && command.name == name) return &command;
  }
  return nullptr;
}

// Reads the global options in front of the command; `next` ends on the command word.
// Returns kExitOk, or the exit code of help or a usage error (negative: go on).
int ParseLeadingOptions(const Args& args, size_t& next, GlobalOptions& options) {
  for (; next < args.size(); ++next) {
    const std::string& arg = args[next];
    if (IsHelpFlag(arg)) {
      PrintOverview(std::cout);
      return kExitOk;
    }
    if (arg == "--version") {
      PrintVersion(std::cout);
      return kExitOk;
    }
    if (arg == "--json") {
      options.json = true;
    } else if (arg == "--data-dir") {
      if (next + 1 >= args.size()) return UsageError("option --data-dir needs a value", "");
      options.dataDir = args[++next];
    } else if (arg.rfind("--data-dir=", 0) == 0) {
      options.dataDir = arg.substr(std::string_view("--data-dir=").size());
    } else if (arg.size() > 1 && arg[0] == '-') {
      return UsageError("unknown option " + arg, "");
    } else {
      return -1;
    }
  }
  return UsageError("no command given", "");
}

std::vector<OptionSpec> OptionsOf(const Command& command) {
  std::vector<OptionSpec> specs = command.options;
  const auto& global = GlobalOptionSpecs();
  specs.insert(specs.end(), global.begin(), global.end());
  return specs;
}

// Takes the global options given after the command out of the parsed arguments.
void ApplyTrailingGlobals(ParsedArgs& parsed, GlobalOptions& options) {
  if (auto dir = parsed.Last("--data-dir")) options.dataDir = *dir;
  if (parsed.Has("--json")) options.json = true;
  std::erase_if(parsed.options, [](const auto& option) { return option.first == "--data-dir" || option.first == "--json"; });
}

int Execute(const Command& command, const Args& args, size_t from, GlobalOptions options) {
  if (AsksForHelp(args, from)) {
    PrintCommandHelp(std::cout, command);
    return kExitOk;
  }
  ParseOutcome outcome = ParseArgs(Args(args.begin() + static_cast<long>(from), args.end()), OptionsOf(command));
  if (!outcome.ok()) return UsageError(outcome.error, UsageLine(command));
  const size_t count = outcome.args.positionals.size();
  if (count < command.minOperands) return UsageError("missing arguments", UsageLine(command));
  if (command.maxOperands != kAnyCount && count > command.maxOperands) {
    return UsageError("too many arguments", UsageLine(command));
  }
  ApplyTrailingGlobals(outcome.args, options);
  SetJsonFailures(options.json);
  CliContext context(std::move(options));
  return command.handler(context, outcome.args);
}

}  // namespace

int RunCli(const Args& args) {
  GlobalOptions options;
  size_t next = 0;
  if (int rc = ParseLeadingOptions(args, next, options); rc >= 0) return rc;
  const std::string& group = args[next++];
  if (!GroupExists(group)) return UsageError("unknown command '" + group + "'", "");
  if (!GroupHasSubcommands(group)) return Execute(*FindCommand(group, ""), args, next, std::move(options));
  if (next < args.size() && IsHelpFlag(args[next])) {
    PrintGroupHelp(std::cout, group);
    return kExitOk;
  }
  if (next >= args.size()) {
    PrintGroupHelp(std::cerr, group);
    return kExitUsage;
  }
  const std::string& name = args[next++];
  const Command* command = FindCommand(group, name);
  if (!command) return UsageError("unknown command '" + group + " " + name + "'", "");
  return Execute(*command, args, next, std::move(options));
}

}  // namespace ovelin::cli

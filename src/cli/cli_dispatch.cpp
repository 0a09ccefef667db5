#include "cli/cli_dispatch.h"

#include <algorithm>
#include <iostream>
#include <sstream>

#include "cli/cli_commands.h"
#include "cli/cli_help.h"
#include "cli/cli_output.h"

namespace ovelin::cli {
namespace {

using Args = std::vector<std::string>;

// What Resolve returns when the command is found and its arguments are fine.
constexpr int kGoOn = -1;

bool IsHelpFlag(std::string_view arg) { return arg == "--help" || arg == "-h"; }

// The help flag counts only among the options, not after "--".
bool AsksForHelp(const Args& args, size_t from) {
  for (size_t i = from; i < args.size() && args[i] != "--"; ++i) {
    if (IsHelpFlag(args[i])) return true;
  }
  return false;
}

// Whether --json is among the options. Usage errors can come before the options
// are read, and they take the form the caller asked for as well.
bool AsksForJson(const Args& args) {
  for (const auto& arg : args) {
    if (arg == "--") return false;
    if (arg == "--json") return true;
  }
  return false;
}

// A usage error: the message, then the usage line (or the hint to --help) as
// its reason; exit code 2.
int UsageError(MessageId message, std::vector<std::string> values = {}, const std::string& usage = {}) {
  const std::string reason =
      usage.empty() ? MessageText(MessageId::UsageHint) : MessageText(MessageId::UsageLine, {usage});
  return Fail(kExitUsage, MessageText(message, values), reason, MessageCode(message));
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
// Returns the exit code of help, --version or a usage error, or kGoOn.
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
      if (next + 1 >= args.size()) return UsageError(MessageId::UsageOptionNeedsValue, {arg});
      options.dataDir = args[++next];
    } else if (arg.rfind("--data-dir=", 0) == 0) {
      options.dataDir = arg.substr(std::string_view("--data-dir=").size());
    } else if (arg.size() > 1 && arg[0] == '-') {
      return UsageError(MessageId::UsageUnknownOption, {arg});
    } else {
      return kGoOn;
    }
  }
  return UsageError(MessageId::UsageNoCommand);
}

// Takes the global options given after the command out of the parsed arguments.
void ApplyTrailingGlobals(ParsedArgs& parsed, GlobalOptions& options) {
  if (auto dir = parsed.Last("--data-dir")) options.dataDir = *dir;
  if (parsed.Has("--json")) options.json = true;
  std::erase_if(parsed.options,
                [](const auto& option) { return option.first == "--data-dir" || option.first == "--json"; });
}

struct Resolved {
  const Command* command = nullptr;
  ParsedArgs args;
};

// The command named by the words at args[next], or kExitUsage after saying why.
int FindNamedCommand(const Args& args, size_t& next, const Command*& command) {
  const std::string& group = args[next++];
  if (!GroupExists(group)) return UsageError(MessageId::UsageUnknownCommand, {group});
  if (!GroupHasSubcommands(group)) {
    command = FindCommand(group, "");
    return kGoOn;
  }
  if (next < args.size() && IsHelpFlag(args[next])) {
    PrintGroupHelp(std::cout, group);
    return kExitOk;
  }
  if (next >= args.size()) {
    std::ostringstream usage;
    PrintGroupHelp(usage, group);
    std::string lines = usage.str();
    while (!lines.empty() && lines.back() == '\n') lines.pop_back();
    return Fail(kExitUsage, MessageText(MessageId::UsageNeedsSubcommand, {group}), lines,
                MessageCode(MessageId::UsageNeedsSubcommand));
  }
  const std::string& name = args[next++];
  command = FindCommand(group, name);
  if (!command) return UsageError(MessageId::UsageUnknownCommand, {group + " " + name});
  return kGoOn;
}

// Finds the command named at args[next] and parses what follows against its own
// options and `extra`. Returns kGoOn with `resolved` filled, or the exit code of
// help or a usage error.
int Resolve(const Args& args, size_t next, const std::vector<OptionSpec>& extra, Resolved& resolved) {
  if (int rc = FindNamedCommand(args, next, resolved.command); rc != kGoOn) return rc;
  const Command& command = *resolved.command;
  if (AsksForHelp(args, next)) {
    PrintCommandHelp(std::cout, command);
    return kExitOk;
  }
  std::vector<OptionSpec> specs = command.options;
  specs.insert(specs.end(), extra.begin(), extra.end());
  ParseOutcome outcome = ParseArgs(Args(args.begin() + static_cast<long>(next), args.end()), specs);
  if (!outcome.Ok()) return UsageError(outcome.error, {outcome.option}, UsageLine(command));
  const size_t count = outcome.args.positionals.size();
  if (count < command.minOperands) return UsageError(MessageId::UsageMissingArguments, {}, UsageLine(command));
  if (command.maxOperands != kAnyCount && count > command.maxOperands) {
    return UsageError(MessageId::UsageTooManyArguments, {}, UsageLine(command));
  }
  resolved.args = std::move(outcome.args);
  return kGoOn;
}

}  // namespace

int RunCli(const Args& args) {
  SetJsonFailures(AsksForJson(args));
  GlobalOptions options;
  size_t next = 0;
  if (int rc = ParseLeadingOptions(args, next, options); rc != kGoOn) return rc;
  Resolved resolved;
  if (int rc = Resolve(args, next, GlobalOptionSpecs(), resolved); rc != kGoOn) return rc;
  ApplyTrailingGlobals(resolved.args, options);
  SetJsonFailures(options.json);
  CliContext context(std::move(options));
  return resolved.command->handler(context, resolved.args);
}

int RunInBatch(const Args& words, CliContext& context) {
  if (words.empty()) return kExitOk;
  Resolved resolved;
  if (int rc = Resolve(words, 0, {}, resolved); rc != kGoOn) return rc;
  return resolved.command->handler(context, resolved.args);
}

}  // namespace ovelin::cli

#pragma once
// The command table: every command of ovelin-cli with its usage and handler.
// A command group lives in its own source file and contributes its entries
// through one function below; adding a group means adding a file and one line
// to AllCommands().

#include <cstddef>
#include <limits>
#include <string_view>
#include <vector>

#include "cli/cli_args.h"
#include "cli/cli_context.h"

namespace ovelin::cli {

using Handler = int (*)(CliContext& context, const ParsedArgs& args);

inline constexpr size_t kAnyCount = std::numeric_limits<size_t>::max();

struct Command {
  std::string_view group;     // first word: "set"
  std::string_view name;      // second word: "add"; empty for a one-word command
  std::string_view synopsis;  // what follows the command words in a usage line
  std::string_view summary;   // one line for the command list
  std::vector<OptionSpec> options;
  size_t minOperands = 0;
  size_t maxOperands = 0;  // kAnyCount: no upper limit
  Handler handler = nullptr;
  std::string_view details = {};  // further help text, may be empty
};

/// init, info, dump, restore.
std::vector<Command> DocumentCommands();
/// set list|tree|show.
std::vector<Command> SetReadCommands();
/// set add|rename|parents|path|props|note|rm.
std::vector<Command> SetEditCommands();
/// item show.
std::vector<Command> ItemCommands();
/// archive.
std::vector<Command> ArchiveCommands();
/// rm-items.
std::vector<Command> DeleteCommands();
/// template export|import.
std::vector<Command> TemplateCommands();
/// config get|xml|set-xml.
std::vector<Command> ConfigCommands();

/// view list|show|add|set|rename|rm.
std::vector<Command> ViewCommands();
/// query.
std::vector<Command> QueryCommands();
/// match.
std::vector<Command> MatchCommands();

/// send.
std::vector<Command> SendCommands();

/// Every command, in the order the help lists them.
const std::vector<Command>& AllCommands();

/// The options that every command accepts as well (--data-dir, --json).
const std::vector<OptionSpec>& GlobalOptionSpecs();

}  // namespace ovelin::cli

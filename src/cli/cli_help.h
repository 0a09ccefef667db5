#pragma once
// Usage and help texts, built from the command table, the version line and the
// help command.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_commands.h"

namespace ovelin::cli {

/// The words that name a command on the command line: "set add", "info".
std::string CommandWords(const Command& command);
/// The usage line of one command.
std::string UsageLine(const Command& command);
/// The program's overview: usage, every command, data folder and exit codes.
void PrintOverview(std::ostream& out);
/// The help of one command.
void PrintCommandHelp(std::ostream& out, const Command& command);
/// The usage lines of every command of a group ("set").
void PrintGroupHelp(std::ostream& out, std::string_view group);
/// The one line of --version: "ovelin-cli <version>".
void PrintVersion(std::ostream& out);
/// The reference of the expression language, with examples (help query).
std::string_view QueryLanguageHelp();
/// help [query | COMMAND].
std::vector<Command> HelpCommands();

}  // namespace ovelin::cli

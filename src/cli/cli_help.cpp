#include "cli/cli_help.h"

namespace ovelin::cli {
namespace {

constexpr std::string_view kProgram = "ovelin-cli";

constexpr std::string_view kGeneralUsage =
    "usage: ovelin-cli [--data-dir DIR] [--json] COMMAND [ARGS...]\n"
    "       ovelin-cli --help | COMMAND --help\n";

constexpr std::string_view kFootnotes =
    "\n"
    "Global options (before or after the command):\n"
    "  --data-dir DIR  the data folder; else $OVELIN_DATA_DIR, else $XDG_DATA_HOME/ovelin,\n"
    "                  else ~/.local/share/ovelin\n"
    "  --json          print one JSON document instead of text lines\n"
    "\n"
    "OVELIN_MACHINE_ID=<hex> overrides the machine identifier that the data file is bound to.\n"
    "Exit codes: 0 success; 1 the operation failed; 2 wrong usage; 3 the data file is locked\n"
    "by another program.\n";

}  // namespace

std::string CommandWords(const Command& command) {
  std::string words(command.group);
  if (!command.name.empty()) words += " " + std::string(command.name);
  return words;
}

std::string UsageLine(const Command& command) {
  std::string line = std::string(kProgram) + " " + CommandWords(command);
  if (!command.synopsis.empty()) line += " " + std::string(command.synopsis);
  return line;
}

void PrintOverview(std::ostream& out) {
  out << kGeneralUsage << "\nCommands:\n";
  for (const auto& command : AllCommands()) {
    std::string head = "  " + CommandWords(command);
    if (!command.synopsis.empty()) head += " " + std::string(command.synopsis);
    out << head << "\n      " << command.summary << "\n";
  }
  out << kFootnotes;
}

void PrintCommandHelp(std::ostream& out, const Command& command) {
  out << "usage: " << UsageLine(command) << "\n\n" << command.summary << "\n";
  if (!command.details.empty()) out << "\n" << command.details << "\n";
  out << kFootnotes;
}

void PrintGroupHelp(std::ostream& out, std::string_view group) {
  out << "usage:\n";
  for (const auto& command : AllCommands()) {
    if (command.group == group) out << "  " << UsageLine(command) << "\n      " << command.summary << "\n";
  }
  out << kFootnotes;
}

}  // namespace ovelin::cli

#include "cli/cli_help.h"

#include <iostream>

#include "base/messages.h"
#include "cli/cli_output.h"

#ifndef OVELIN_VERSION
#error "OVELIN_VERSION comes from the project version in CMakeLists.txt"
#endif

namespace ovelin::cli {
namespace {

constexpr std::string_view kProgram = "ovelin-cli";

constexpr std::string_view kGeneralUsage =
    "usage: ovelin-cli [--data-dir DIR] [--json] COMMAND [ARGS...]\n"
    "       ovelin-cli --help | COMMAND --help | help query | --version\n";

constexpr std::string_view kFootnotes =
    "\n"
    "Global options (before or after the command):\n"
    "  --data-dir DIR  the data folder; else $OVELIN_DATA_DIR, else $XDG_DATA_HOME/ovelin,\n"
    "                  else ~/.local/share/ovelin\n"
    "  --json          print one JSON document instead of text lines\n"
    "\n"
    "OVELIN_MACHINE_ID=<hex> overrides the machine identifier that the data file is bound to.\n"
    "Exit codes: 0 success; 1 the operation failed; 2 wrong usage; 3 the data file is locked\n"
    "by another program.\n"
    "\n"
    "'ovelin-cli help query' explains the expression language of query and view sets.\n";

bool IsGroup(std::string_view word) {
  for (const auto& command : AllCommands()) {
    if (command.group == word) return true;
  }
  return false;
}

const Command* FindCommand(std::string_view group, std::string_view name) {
  for (const auto& command : AllCommands()) {
    if (command.group == group && command.name == name) return &command;
  }
  return nullptr;
}

// help: the overview; help query: the language; help GROUP [NAME]: that help.
int Help(CliContext&, const ParsedArgs& args) {
  const auto& words = args.positionals;
  if (words.empty()) {
    PrintOverview(std::cout);
    return kExitOk;
  }
  if (words.size() == 1 && words[0] == "query") {
    std::cout << QueryLanguageHelp();
    return kExitOk;
  }
  if (const Command* command = FindCommand(words[0], words.size() > 1 ? words[1] : "")) {
    PrintCommandHelp(std::cout, *command);
    return kExitOk;
  }
  if (words.size() == 1 && IsGroup(words[0])) {
    PrintGroupHelp(std::cout, words[0]);
    return kExitOk;
  }
  std::string topic = words[0];
  for (size_t i = 1; i < words.size(); ++i) topic += " " + words[i];
  return Fail(kExitUsage, MessageText(MessageId::NoHelpTopic, {topic}), "ovelin-cli --help",
              MessageCode(MessageId::NoHelpTopic));
}

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

void PrintVersion(std::ostream& out) { out << kProgram << " " << OVELIN_VERSION << "\n"; }

std::vector<Command> HelpCommands() {
  return {
      {"help",
       "",
       "[query | COMMAND]",
       "Prints the expression language with examples (help query), or the help of a command.",
       {},
       0,
       2,
       Help},
  };
}

}  // namespace ovelin::cli

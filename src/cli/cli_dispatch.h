#pragma once
// From the command line to a command handler: global options, command lookup,
// help, argument parsing and the operand count.

#include <string>
#include <vector>

#include "cli/cli_context.h"

namespace ovelin::cli {

/// Runs ovelin-cli with the arguments after the program name; returns the exit code.
int RunCli(const std::vector<std::string>& args);

/// Runs one command of a batch on the batch's open context: `words` are the
/// command words and its arguments, without global options. Returns the exit code.
int RunInBatch(const std::vector<std::string>& words, CliContext& context);

}  // namespace ovelin::cli

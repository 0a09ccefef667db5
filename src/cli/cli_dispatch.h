#pragma once
// From the command line to a command handler: global options, command lookup,
// help, argument parsing and the operand count.

#include <string>
#include <vector>

namespace ovelin::cli {

/// Runs ovelin-cli with the arguments after the program name; returns the exit code.
int RunCli(const std::vector<std::string>& args);

}  // namespace ovelin::cli

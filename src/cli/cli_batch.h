#pragma once
// ovelin-cli batch: many commands under one lock, with one load and one save.

#include <vector>

#include "cli/cli_commands.h"

namespace ovelin::cli {

/// batch FILE|- [--keep-going].
std::vector<Command> BatchCommands();

}  // namespace ovelin::cli

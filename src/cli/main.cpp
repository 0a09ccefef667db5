// ovelin-cli: the command-line front end over the set store.

#include <string>
#include <vector>

#include "cli/cli_dispatch.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return ovelin::cli::RunCli(args);
}

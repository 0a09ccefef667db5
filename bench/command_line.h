#pragma once
// Command-line options shared by the sample generator and the benchmark program.

#include <string>
#include <vector>

#include "bench/sample_library.h"

namespace ovelin {

struct CommandLine {
  SampleLibraryOptions library;
  int repeat = 3;
  bool force = false;
  bool help = false;
  std::vector<std::string> positional;
};

/// Which options a program takes besides --sets, --items, --seed and --help:
/// the generator takes --force, the benchmark --repeat.
enum class CommandLineKind { Generator, Bench };

/// Reads the arguments (without the program name); "--name value" and
/// "--name=value" both work. On a bad argument returns false with `error` set.
bool ParseCommandLine(const std::vector<std::string>& args, CommandLineKind kind, CommandLine& out, std::string& error);

}  // namespace ovelin

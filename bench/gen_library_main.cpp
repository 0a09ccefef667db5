// ovelin-gen-library: writes a large sample library to a data file, enciphered
// for this machine, for benchmarks and manual trials.

#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/command_line.h"
#include "bench/sample_library.h"
#include "store/machine_identifier.h"

namespace {

constexpr const char* kUsage =
    "usage: ovelin-gen-library OUT_FILE [--sets N] [--items N] [--seed S] [--force]\n"
    "  Writes a sample library (default 1000 sets below the root, 100000 items,\n"
    "  seed 1) to OUT_FILE, enciphered with this machine's identifier\n"
    "  (OVELIN_MACHINE_ID overrides it). An existing OUT_FILE is replaced only\n"
    "  with --force.\n";

bool Exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace ovelin;
  CommandLine options;
  std::string error;
  if (!ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), CommandLineKind::Generator, options, error)) {
    std::fprintf(stderr, "ovelin-gen-library: %s\n%s", error.c_str(), kUsage);
    return 2;
  }
  if (options.help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (options.positional.size() != 1) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string& out = options.positional.front();
  // A sample must never silently replace somebody's real library.
  if (Exists(out) && !options.force) {
    std::fprintf(stderr, "ovelin-gen-library: %s exists; add --force to replace it\n", out.c_str());
    return 1;
  }
  if (GetMachineIdentifier().empty()) {
    std::fputs("ovelin-gen-library: cannot read the machine identifier\n", stderr);
    return 1;
  }
  const auto summary = WriteSampleLibrary(options.library, out);
  if (!summary) {
    std::fprintf(stderr, "ovelin-gen-library: cannot write %s\n", out.c_str());
    return 1;
  }
  std::printf(
      "%s: %d sets below the root (%d with two parents, %d levels), %d property definitions, "
      "%d items (%d in two sets), %zu File elements, %zu property values\n",
      out.c_str(), summary->sets, summary->setsWithTwoParents, summary->depth, summary->definitions, summary->items,
      summary->itemsInTwoSets, summary->fileElements, summary->propertyValues);
  return 0;
}

// ovelin-bench: generates a sample library in a scratch folder, measures the
// store's main operations on it beside their floors, and prints one table.

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_context.h"
#include "bench/command_line.h"
#include "bench/measurements.h"
#include "bench/memory_probe.h"
#include "bench/sample_library.h"
#include "bench/stopwatch.h"
#include "store/machine_identifier.h"

namespace {

using namespace ovelin;

constexpr const char* kUsage =
    "usage: ovelin-bench [--sets N] [--items N] [--seed S] [--repeat K]\n"
    "  Generates a sample library (default 1000 sets below the root, 100000 items)\n"
    "  in a temporary folder and prints the store's load, save and set-tree read\n"
    "  times (median of K runs, default 3), peak memory and the file size, each\n"
    "  beside its floor.\n";

std::string SelfPath() {
  char buffer[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}

void PrintHeading(const BenchContext& context) {
  const SampleLibrarySummary& s = context.summary;
  std::printf(
      "Sample library (seed %llu): %d sets below the root in %d levels, %d with two parents; "
      "%d property definitions\n",
      static_cast<unsigned long long>(context.options.library.seed), s.sets, s.depth, s.setsWithTwoParents,
      s.definitions);
  std::printf("  %d items, %d of them in two sets; %zu File elements, %zu property values\n", s.items, s.itemsInTwoSets,
              s.fileElements, s.propertyValues);
  std::printf("Times are the median of %d runs, store and floor runs alternating.\n\n", context.options.repeat);
}

int RunBench(BenchContext& context) {
  std::fprintf(stderr, "ovelin-bench: generating the sample library in %s\n", context.folder.c_str());
  Stopwatch generation;
  const auto summary = WriteSampleLibrary(context.options.library, context.dataFile);
  if (!summary) {
    std::fputs("ovelin-bench: cannot generate the sample library\n", stderr);
    return 1;
  }
  context.summary = *summary;
  std::fprintf(stderr, "ovelin-bench: generated in %.0f ms\n", generation.ElapsedMs());
  std::vector<BenchRow> rows;
  bool allMeasured = true;
  for (const Measurement& measurement : AllMeasurements()) {
    std::fprintf(stderr, "ovelin-bench: measuring %s\n", measurement.name);
    rows.push_back(measurement.run(context));
    allMeasured = allMeasured && rows.back().value.has_value();
  }
  PrintHeading(context);
  std::fputs(FormatTable(rows).c_str(), stdout);
  return allMeasured ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && argv[1] == kMemoryProbeFlag) return RunMemoryProbe(argv[2], argv[3]);
  BenchContext context;
  std::string error;
  if (!ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), CommandLineKind::Bench, context.options,
                        error)) {
    std::fprintf(stderr, "ovelin-bench: %s\n%s", error.c_str(), kUsage);
    return 2;
  }
  if (context.options.help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (!context.options.positional.empty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const Bytes machineId = GetMachineIdentifier();
  if (machineId.empty()) {
    std::fputs("ovelin-bench: cannot read the machine identifier\n", stderr);
    return 1;
  }
  ScratchFolder scratch;
  if (scratch.path().empty()) {
    std::fputs("ovelin-bench: cannot create a temporary folder\n", stderr);
    return 1;
  }
  context.folder = scratch.path();
  context.dataFile = context.PathOf("AllSets.db");
  context.selfPath = SelfPath();
  context.keyMaterial = DataFileKeyMaterial(machineId);
  const int status = RunBench(context);
  context.store.reset();
  return status;
}

#pragma once
// Peak memory is measured in a fresh process, so that what the benchmark did
// before (generating the library, earlier measurements) does not count.
//
// The probe reports its own VmHWM (peak resident set of its address space)
// rather than ru_maxrss: at exec the kernel carries the high-water mark of the
// address space being replaced into ru_maxrss, and a child started with
// posix_spawn or fork replaces a copy of the benchmark's own large one.

#include <optional>
#include <string>
#include <string_view>

namespace ovelin {

/// The first argument that makes the benchmark program a probe.
inline constexpr std::string_view kMemoryProbeFlag = "--memory-probe";
/// Probe kinds: the store's load and root-set read, or the floor load alone.
inline constexpr std::string_view kProbeStore = "store";
inline constexpr std::string_view kProbeFloor = "floor";

/// The probe's own work on the data file; prints the peak resident set size in
/// KiB on standard output and returns the process exit code.
int RunMemoryProbe(std::string_view kind, const std::string& dataFile);

/// Runs `program` as a probe of that kind and returns its peak resident set
/// size in MiB; nothing when it cannot run or fails.
std::optional<double> ProbePeakMemory(const std::string& program, std::string_view kind, const std::string& dataFile);

/// The "VmHWM:" figure in KiB of a /proc/PID/status text; nothing when missing.
std::optional<long> ParsePeakResidentKiB(std::string_view status);

}  // namespace ovelin

#pragma once
// Running a document converter as a child process under time and size limits.

#include <chrono>
#include <cstddef>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace ovelin {

/// What one converter run may cost.
struct ConverterLimits {
  std::chrono::milliseconds timeout{15000};
  size_t maxOutputBytes = size_t{64} << 20;
  size_t maxMemoryBytes = size_t{1} << 30;  // address-space limit of the child
};

/// Runs argv[0] (searched on PATH) with the arguments and returns what it wrote to
/// standard output. The child reads /dev/null, its errors are discarded, it runs
/// in a process group of its own, and it is killed when this process dies (the
/// kernel sends the signal when the calling thread ends, which cannot happen while
/// this call waits for the child). Nothing when it cannot be started, exits with a
/// non-zero status or by a signal, writes more than the output limit, outlives the
/// timeout, or `stop` is requested; in the last three cases the whole group is killed.
std::optional<std::string> RunConverter(const std::vector<std::string>& argv, const ConverterLimits& limits,
                                        std::stop_token stop = {});

}  // namespace ovelin

#pragma once
// Wall-clock timing of the benchmark's repetitions.

#include <chrono>
#include <vector>

namespace ovelin {

class Stopwatch {
 public:
  Stopwatch() : start_(std::chrono::steady_clock::now()) {}
  /// Milliseconds since construction.
  double ElapsedMs() const {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
  }

 private:
  std::chrono::steady_clock::time_point start_;
};

/// The median of the samples (the mean of the middle two for an even count); 0 for none.
double Median(std::vector<double> samples);

}  // namespace ovelin

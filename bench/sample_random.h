#pragma once
// SampleRandom: a small seeded generator (SplitMix64) for the sample library. Its
// numbers depend only on the seed, never on the standard library's distributions,
// so a seed gives the same library with every compiler.

#include <cstdint>
#include <string_view>
#include <vector>

namespace ovelin {

class SampleRandom {
 public:
  explicit SampleRandom(uint64_t seed) : state_(seed) {}

  /// The next 64 random bits.
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  /// A number in [0, bound); 0 when `bound` is 0.
  uint64_t Below(uint64_t bound) {
    return static_cast<uint64_t>((static_cast<unsigned __int128>(Next()) * bound) >> 64);
  }

  /// A number in [0, bound) as an int; `bound` must be positive.
  int Index(size_t bound) { return static_cast<int>(Below(bound)); }

  /// True with the given probability (0 to 1).
  bool Chance(double probability) { return static_cast<double>(Next() >> 11) * 0x1.0p-53 < probability; }

  /// One element of a non-empty list.
  template <typename T>
  const T& Pick(const std::vector<T>& list) {
    return list[Below(list.size())];
  }

  /// A generator for a separate stream of numbers, derived from this one.
  SampleRandom Fork() { return SampleRandom(Next()); }

 private:
  uint64_t state_;
};

}  // namespace ovelin

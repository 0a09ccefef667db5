#pragma once
// A bump allocator with a memory budget and a deadline, for parsers whose work on
// hostile input must stay bounded. Everything is freed at once with the arena.

#include <chrono>
#include <cstddef>
#include <memory>
#include <vector>

namespace ovelin {

class ParseArena {
 public:
  using Clock = std::chrono::steady_clock;

  ParseArena(size_t budgetBytes, Clock::time_point deadline);
  ParseArena(const ParseArena&) = delete;
  ParseArena& operator=(const ParseArena&) = delete;

  /// Memory for `size` bytes, aligned for any type; nullptr once the budget is
  /// spent or the deadline has passed (the deadline is looked at every few calls).
  void* Allocate(size_t size);

 private:
  bool OutOfTime();

  std::vector<std::unique_ptr<std::byte[]>> chunks_;
  std::byte* next_ = nullptr;
  size_t left_ = 0;
  size_t used_ = 0;
  size_t budget_;
  Clock::time_point deadline_;
  unsigned callsSinceClock_ = 0;
};

}  // namespace ovelin

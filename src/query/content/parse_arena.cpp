#include "query/content/parse_arena.h"

#include <cstddef>
#include <new>
#include <utility>

namespace ovelin {

namespace {

constexpr size_t kChunkBytes = 1 << 20;
constexpr size_t kAlignment = alignof(std::max_align_t);
constexpr unsigned kCallsPerClockCheck = 16;

size_t RoundUp(size_t size) { return (size + kAlignment - 1) / kAlignment * kAlignment; }

}  // namespace

ParseArena::ParseArena(size_t budgetBytes, Clock::time_point deadline) : budget_(budgetBytes), deadline_(deadline) {}

bool ParseArena::OutOfTime() {
  if (++callsSinceClock_ < kCallsPerClockCheck) return false;
  callsSinceClock_ = 0;
  return Clock::now() > deadline_;
}

void* ParseArena::Allocate(size_t size) {
  const size_t rounded = RoundUp(size == 0 ? 1 : size);
  if (rounded > budget_ - used_ || OutOfTime()) return nullptr;
  if (rounded > left_) {
    // A large request gets a chunk of its own; the rest of the current chunk stays usable.
    const size_t chunk = rounded > kChunkBytes / 4 ? rounded : kChunkBytes;
    // No exception may leave here: the caller is C code.
    std::unique_ptr<std::byte[]> memory(new (std::nothrow) std::byte[chunk]);
    if (!memory) return nullptr;
    chunks_.push_back(std::move(memory));
    if (chunk != rounded) {
      next_ = chunks_.back().get();
      left_ = chunk;
    } else {
      used_ += rounded;
      return chunks_.back().get();
    }
  }
  void* memory = next_;
  next_ += rounded;
  left_ -= rounded;
  used_ += rounded;
  return memory;
}

}  // namespace ovelin

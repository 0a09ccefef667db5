#pragma once
// UniqueFd: owns a POSIX file descriptor and closes it when it goes; and the
// small file-system steps that several parts of the core share.

#include <string>
#include <utility>

namespace ovelin {

class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.fd_, -1));
    return *this;
  }
  ~UniqueFd() { Reset(); }

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  /// Closes now; false when close reports an error (written data may be lost).
  bool Close();
  /// Closes the current descriptor (errors ignored) and takes `fd`.
  void Reset(int fd = -1);

 private:
  int fd_ = -1;
};

/// Writes every byte, retrying after interruptions and short writes.
bool WriteAll(int fd, const void* data, size_t size);

/// The folder part of a path: everything before its last "/" ("/" for a top-level entry).
std::string FolderOf(const std::string& path);

/// Flushes a folder's entries to disk, so that a created or renamed entry survives a crash.
bool SyncFolder(const std::string& folder);

}  // namespace ovelin

#include "query/content/bounded_file.h"

#include "base/unique_fd.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace ovelin {

std::optional<std::string> ReadRegularFile(const std::string& path, size_t maxBytes) {
  // O_NONBLOCK keeps open() from waiting for a writer when the path is a FIFO.
  const UniqueFd file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (file.get() < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  const size_t expected = static_cast<size_t>(info.st_size);
  std::string bytes(expected < maxBytes ? expected : maxBytes, '\0');
  size_t filled = 0;
  while (true) {
    if (filled == bytes.size()) {
      // The file may have grown since fstat: keep reading up to the limit.
      if (bytes.size() >= maxBytes) break;
      bytes.resize(std::min(maxBytes, bytes.size() + 65536));
    }
    const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    if (got == 0) break;
    filled += static_cast<size_t>(got);
  }
  bytes.resize(filled);
  return bytes;
}

}  // namespace ovelin

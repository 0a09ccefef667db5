#pragma once
// Reading the leading bytes of regular files without ever blocking on special files.

#include <cstddef>
#include <optional>
#include <string>

namespace ovelin {

/// Up to `maxBytes` bytes from the start of a regular file. Nothing when the path
/// cannot be opened or read, or names anything but a regular file (a folder, a pipe,
/// a device), so that a pipe named "x.txt" cannot stall the reader.
std::optional<std::string> ReadRegularFile(const std::string& path, size_t maxBytes);

}  // namespace ovelin

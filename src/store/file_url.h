#pragma once
// File URLs of local paths: "file://" + the absolute path with every space as "%20".

#include <optional>
#include <string>
#include <string_view>

namespace ovelin {

inline constexpr std::string_view kFileUrlPrefix = "file://";

/// "/home/a b/c.txt" -> "file:///home/a%20b/c.txt"; no other character is escaped.
std::string LocalPathToFileUrl(std::string_view path);

/// The local path of a "file://" URL ("%20" read as a space); nothing for other schemes.
std::optional<std::string> FileUrlToLocalPath(std::string_view url);

/// True when the text starts with "file:" (case-insensitive).
bool IsFileUrl(std::string_view url);

/// Replaces every occurrence of `from` in `text` by `to`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace ovelin

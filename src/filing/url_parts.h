#pragma once
// Splitting item URLs and local paths. Local paths are absolute POSIX paths; they
// split into pieces on "/", the empty piece before the leading "/" standing where
// a drive would stand.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovelin {

struct UrlParts {
  std::string scheme;     // lower case: "file", "http", ...
  std::string host;       // empty for "file"
  std::string path;       // the local path for "file", else "/" + the segments after the host
  std::string fileName;   // the last segment up to "?", when it holds a "."; "%20" read as a space
  std::string extension;  // the text after the file name's last "."
};

/// Splits a URL on its one "://". Fails when "://" is missing or occurs more than
/// once, and for a "file" URL whose path is not absolute.
std::optional<UrlParts> SplitUrl(std::string_view url);

/// The local path of a "file" URL (any letter case of the scheme); nothing otherwise.
std::optional<std::string> LocalPathOfUrl(std::string_view url);

/// "file://" + the absolute path with every space written "%20".
std::string MakeFileUrl(std::string_view localPath);

struct LocalPathParts {
  std::string drive;      // always empty here: the piece before the leading "/"
  std::string folder;     // everything before the last "/" (empty for a file in "/")
  std::string fileName;   // everything after the last "/"
  std::string extension;  // the text after the file name's last "."; empty when none
};

/// Splits an absolute path; fails for a relative or empty one.
std::optional<LocalPathParts> SplitLocalPath(std::string_view path);

/// The pieces between the "/" separators, empty pieces kept ("/a/" -> "", "a", "").
std::vector<std::string> SplitPathPieces(std::string_view path);

/// Joins pieces with "/".
std::string JoinPathPieces(const std::vector<std::string>& pieces, size_t first = 0);

}  // namespace ovelin

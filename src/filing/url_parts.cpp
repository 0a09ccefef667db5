#include "filing/url_parts.h"

#include <algorithm>
#include <cctype>

#include "store/file_url.h"

namespace ovelin {
namespace {

constexpr std::string_view kSeparator = "://";

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

// The candidate file name of the part after "://": its last "/"-separated segment
// up to the first "?", taken only when there are at least two segments and it holds a ".".
void FillFileName(std::string_view rest, UrlParts& parts) {
  const size_t slash = rest.rfind('/');
  if (slash == std::string_view::npos) return;
  std::string_view candidate = rest.substr(slash + 1);
  candidate = candidate.substr(0, candidate.find('?'));
  const size_t dot = candidate.rfind('.');
  if (dot == std::string_view::npos) return;
  parts.fileName = ReplaceAll(candidate, "%20", " ");
  parts.extension = std::string(candidate.substr(dot + 1));
}

}  // namespace

std::optional<UrlParts> SplitUrl(std::string_view url) {
  const size_t at = url.find(kSeparator);
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view rest = url.substr(at + kSeparator.size());
  if (rest.find(kSeparator) != std::string_view::npos) return std::nullopt;

  UrlParts parts;
  parts.scheme = Lower(url.substr(0, at));
  if (parts.scheme == "file") {
    parts.path = ReplaceAll(rest, "%20", " ");
    if (parts.path.empty() || parts.path.front() != '/') return std::nullopt;
  } else {
    const size_t slash = rest.find('/');
    parts.host = std::string(rest.substr(0, slash));
    const std::string_view segments = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    parts.path = std::string(1, '/').append(segments);
  }
  FillFileName(rest, parts);
  return parts;
}

std::optional<std::string> LocalPathOfUrl(std::string_view url) {
  auto parts = SplitUrl(url);
  if (!parts || parts->scheme != "file") return std::nullopt;
  return std::move(parts->path);
}

std::string MakeFileUrl(std::string_view localPath) { return LocalPathToFileUrl(localPath); }

std::optional<LocalPathParts> SplitLocalPath(std::string_view path) {
  if (path.empty() || path.front() != '/') return std::nullopt;
  const size_t slash = path.rfind('/');
  LocalPathParts parts;
  parts.folder = std::string(path.substr(0, slash));
  parts.fileName = std::string(path.substr(slash + 1));
  const size_t dot = parts.fileName.rfind('.');
  if (dot != std::string::npos) parts.extension = parts.fileName.substr(dot + 1);
  return parts;
}

std::vector<std::string> SplitPathPieces(std::string_view path) {
  std::vector<std::string> pieces;
  size_t start = 0;
  while (true) {
    const size_t slash = path.find('/', start);
    pieces.emplace_back(path.substr(start, slash == std::string_view::npos ? std::string_view::npos : slash - start));
    if (slash == std::string_view::npos) return pieces;
    start = slash + 1;
  }
}

std::string JoinPathPieces(const std::vector<std::string>& pieces, size_t first) {
  std::string joined;
  for (size_t i = first; i < pieces.size(); ++i) {
    if (i > first) joined.push_back('/');
    joined += pieces[i];
  }
  return joined;
}

}  // namespace ovelin

#include "store/file_url.h"

#include <cctype>

namespace ovelin {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string result;
  result.reserve(text.size());
  size_t start = 0;
  while (true) {
    const size_t at = from.empty() ? std::string_view::npos : text.find(from, start);
    if (at == std::string_view::npos) break;
    result.append(text.substr(start, at - start));
    result.append(to);
    start = at + from.size();
  }
  result.append(text.substr(start));
  return result;
}

std::string LocalPathToFileUrl(std::string_view path) {
  return std::string(kFileUrlPrefix) + ReplaceAll(path, " ", "%20");
}

bool IsFileUrl(std::string_view url) {
  constexpr std::string_view scheme = "file:";
  if (url.size() < scheme.size()) return false;
  for (size_t i = 0; i < scheme.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(url[i])) != scheme[i]) return false;
  }
  return true;
}

std::optional<std::string> FileUrlToLocalPath(std::string_view url) {
  if (url.substr(0, kFileUrlPrefix.size()) != kFileUrlPrefix) return std::nullopt;
  std::string path = ReplaceAll(url.substr(kFileUrlPrefix.size()), "%20", " ");
  if (path.empty() || path.front() != '/') return std::nullopt;
  return path;
}

}  // namespace ovelin

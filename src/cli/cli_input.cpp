#include "cli/cli_input.h"

#include <filesystem>
#include <iostream>
#include <iterator>

#include "store/data_file.h"

namespace ovelin::cli {

std::optional<std::string> ReadInputText(const std::string& fileOrDash) {
  if (fileOrDash == "-") {
    std::string text{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    if (std::cin.bad()) return std::nullopt;
    return text;
  }
  const auto bytes = ReadWholeFile(fileOrDash);
  if (!bytes) return std::nullopt;
  return std::string(bytes->begin(), bytes->end());
}

std::string AbsolutePath(const std::string& path) {
  if (path.empty() || path.front() == '/') return path;
  std::error_code ec;
  const auto absolute = std::filesystem::absolute(path, ec);
  return ec ? path : absolute.string();
}

}  // namespace ovelin::cli

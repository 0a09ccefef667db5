#pragma once
// Input named on the command line: files (or "-" for stdin) and local paths.

#include <optional>
#include <string>

namespace ovelin::cli {

/// The whole text of the file, or of stdin for "-"; nothing when it cannot be read.
std::optional<std::string> ReadInputText(const std::string& fileOrDash);

/// A relative path made absolute against the working folder; an absolute or empty
/// path is returned unchanged.
std::string AbsolutePath(const std::string& path);

}  // namespace ovelin::cli

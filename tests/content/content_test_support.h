#pragma once
// Helpers for the content matching tests: fixture files and stand-in converters.

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "query/content/content_matcher.h"
#include "support/test_support.h"

namespace ovelin::test {

/// A committed sample file under tests/data.
inline std::string DataFile(const std::string& name) {
  return (std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / name).string();
}

/// Writes an executable shell script and returns its path.
inline std::string WriteScript(const std::string& path, const std::string& body) {
  WriteTextFile(path, "#!/bin/sh\n" + body);
  ::chmod(path.c_str(), 0755);
  return path;
}

/// Options with the defaults, independent of the environment the tests run in.
inline ContentOptions TestOptions() { return ContentOptions{}; }

/// Asks a fresh matcher one question.
inline bool MatchesOnce(std::string_view keyword, const std::string& path, ContentOptions options = TestOptions()) {
  ContentMatcher matcher(std::move(options));
  return matcher.Matches(keyword, path);
}

}  // namespace ovelin::test

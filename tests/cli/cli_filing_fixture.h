#pragma once
// The library that the filing command tests work on, and a census of file bytes.

#include <map>
#include <string>
#include <vector>

#include "cli/cli_fixture.h"

namespace ovelin::test {

/// A library whose set Docs stores into "<temp>/docs"; source files go under "<temp>/src".
class CliFilingTest : public CliTest {
 protected:
  void SetUp() override;

  /// Writes a file under "src/" (creating its folders); returns its absolute path.
  std::string Source(const std::string& relative, const std::string& content) const;
  /// Expects each of `contents` exactly once among the regular files under src,
  /// docs and the root set's store folder.
  void ExpectEachOnce(const std::vector<std::string>& contents) const;
  /// `item show --json` of a path or URL; null when there is no such item.
  nlohmann::json Item(const std::string& pathOrUrl) const;

  std::string src_ = tmp_ / "src";
  std::string docs_ = tmp_ / "docs";
};

/// "file://" + the path with spaces as "%20".
std::string FileUrl(const std::string& path);

/// How often each content occurs among the regular files under the folders.
std::map<std::string, int> ContentCensus(const std::vector<std::string>& folders);

}  // namespace ovelin::test

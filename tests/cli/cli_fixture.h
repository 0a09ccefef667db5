#pragma once
// Runs the built ovelin-cli on a temporary data folder.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "support/test_support.h"

namespace ovelin::test {

inline constexpr const char* kLoadFailed = "装载数据库失败!";

/// A library in a fresh temporary folder: data folder "data", store folder "files".
class CliTest : public ::testing::Test {
 protected:
  /// Runs ovelin-cli --data-dir <data folder> ARGS..., with HOME and XDG_DATA_HOME
  /// in the temporary folder unless `env` sets them: its home trash is `trash_`.
  CommandResult Cli(const std::vector<std::string>& args, const std::string& input = {},
                    const std::vector<std::string>& env = {}) const;
  /// Runs ovelin-cli ARGS... without adding --data-dir.
  static CommandResult CliRaw(const std::vector<std::string>& args, const std::string& input = {},
                              const std::vector<std::string>& env = {});
  /// Creates the library (init) and checks that it worked.
  void Init() const;
  /// Runs a command that must succeed and returns its stdout.
  std::string Ok(const std::vector<std::string>& args) const;
  /// Replaces the document by `xml` through restore.
  void Restore(const std::string& xml) const;

  std::string DataFile() const { return data_ + "/AllSets.db"; }
  std::string DataBytes() const { return ReadTextFile(DataFile()); }

  TempDir tmp_;
  std::string data_ = tmp_ / "data";
  std::string files_ = tmp_ / "files";
  std::string trash_ = tmp_ / "share/Trash";
};

/// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text);

/// A plain document of version 1.50: root "Root" (store path /srv/files) with the
/// children Music and Work, one item filed in both, the view set "Recent".
std::string SampleDocument();

}  // namespace ovelin::test

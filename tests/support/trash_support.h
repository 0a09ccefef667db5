#pragma once
// The Trash in tests. Including this header gives the test program a home trash
// of its own in a temporary folder: HOME and XDG_DATA_HOME point there before the
// first test runs (GIO reads them once per process), so nothing reaches the
// user's real Trash. Test files under $TMPDIR share that folder's file system and
// therefore go to this home trash.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "store/trash.h"
#include "support/test_support.h"

namespace ovelin::test {

/// The entries of `trash`/files whose info file in `trash`/info names `original`
/// (a path of letters, digits, "/", "-", "." and "_", which the info file keeps as
/// they are).
inline std::vector<std::string> TrashedCopiesOf(const std::string& trash, const std::string& original) {
  const std::string pathLine = "\nPath=" + original + "\n";
  const std::string suffix = ".trashinfo";
  std::vector<std::string> copies;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(trash + "/info", ec)) {
    const std::string name = entry.path().filename().string();
    if (!name.ends_with(suffix) || ReadTextFile(entry.path()).find(pathLine) == std::string::npos) continue;
    copies.push_back(trash + "/files/" + name.substr(0, name.size() - suffix.size()));
  }
  return copies;
}

/// The process's home trash in a temporary folder; see the top of this file.
class TemporaryTrash : public ::testing::Environment {
 public:
  /// "<temporary home>/share/Trash".
  static std::string Folder() { return Home() / "share/Trash"; }
  /// Empties the trash.
  static void Clear() { std::filesystem::remove_all(Folder()); }

  void SetUp() override {
    ::setenv("HOME", Home().path().c_str(), 1);
    ::setenv("XDG_DATA_HOME", (Home() / "share").c_str(), 1);
    // The first trashed file makes GIO read both; it must land here.
    const std::string probe = Home() / "probe";
    WriteTextFile(probe, "probe");
    const RemovalResult trashed = MoveToTrash(probe);
    ASSERT_EQ(trashed.outcome, RemovalOutcome::Trashed) << trashed.error;
    ASSERT_EQ(TrashedCopiesOf(Folder(), probe).size(), 1u) << "GIO does not use the temporary trash";
    Clear();
  }

 private:
  static TempDir& Home() {
    static TempDir home;
    return home;
  }
};

inline ::testing::Environment* const kTemporaryTrash = ::testing::AddGlobalTestEnvironment(new TemporaryTrash);

}  // namespace ovelin::test

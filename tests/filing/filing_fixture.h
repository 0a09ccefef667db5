#pragma once
// Shared pieces of the filing tests: a saved store over a temporary folder, a
// scripted progress object, fixed clocks and a census of file contents.

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "filing/filing_environment.h"
#include "filing/filing_progress.h"
#include "store/file_set_store.h"
#include "support/test_support.h"

namespace ovelin::test {

inline const std::string kRootSet(kStarterRootName);

/// Records every call and answers errors from a script (Ignore once it runs out).
class ScriptedProgress : public IFilingProgress {
 public:
  explicit ScriptedProgress(std::deque<ErrorChoice> answers = {}) : answers_(std::move(answers)) {}
  void Start(size_t count) override { events.push_back("start " + std::to_string(count)); }
  void Item(const ITEM_PIGEONHOLE_STRUCT& record) override { events.push_back("item " + record.Url); }
  ErrorChoice Error(const std::string& message) override;
  void Finish() override { events.push_back("finish"); }

  std::vector<std::string> events;
  std::vector<std::string> errors;

 private:
  std::deque<ErrorChoice> answers_;
};

/// 2008-12-10 09:30:05 UTC plus `seconds`.
std::chrono::system_clock::time_point FixedTime(int seconds = 0);

/// How often each content occurs among the regular files under the folders.
std::map<std::string, int> ContentCensus(const std::vector<std::string>& folders);

/// Expects every one of `contents` exactly once under the folders.
void ExpectEachOnce(const std::vector<std::string>& folders, const std::vector<std::string>& contents);

bool IsFile(const std::string& path);
bool IsFolder(const std::string& path);

/// A store holding the starter document, its root storing into `<temp>/store`,
/// saved to `<temp>/data/AllSets.db`; source files go under `<temp>/files`.
class FilingTest : public ::testing::Test {
 protected:
  void SetUp() override;

  /// Writes a file (creating its folders) under `files/`; returns its path.
  std::string MakeFile(const std::string& relative, const std::string& content);
  /// A set with the given parents (the root when none) extending its first parent.
  void AddSet(const std::string& name, NameList parents = {}, const std::vector<std::string>& definitions = {});
  /// The store loaded again from the saved data file.
  std::unique_ptr<CFileSetStore> Reloaded() const;
  /// The paths of the set's elements in the document, in order.
  std::vector<std::string> ElementPaths(const CFileSetStore& from, const std::string& set) const;

  TempDir temp;
  CFileSetStore store;
  std::string files;
  std::string storeRoot;
  std::string dataFile;
};

}  // namespace ovelin::test

#include "filing_fixture.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace ovelin::test {

ErrorChoice ScriptedProgress::Error(const std::string& message) {
  events.push_back("error");
  errors.push_back(message);
  if (answers_.empty()) return ErrorChoice::Ignore;
  const ErrorChoice answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::chrono::system_clock::time_point FixedTime(int seconds) {
  // 2008-12-10 09:30:05 UTC
  return std::chrono::system_clock::time_point(std::chrono::seconds(1228901405 + seconds));
}

std::map<std::string, int> ContentCensus(const std::vector<std::string>& folders) {
  std::map<std::string, int> census;
  for (const auto& folder : folders) {
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
      if (it->is_regular_file() && !it->is_symlink()) ++census[ReadTextFile(it->path().string())];
    }
  }
  return census;
}

void ExpectEachOnce(const std::vector<std::string>& folders, const std::vector<std::string>& contents) {
  const auto census = ContentCensus(folders);
  for (const auto& content : contents) {
    const auto found = census.find(content);
    EXPECT_EQ(found == census.end() ? 0 : found->second, 1) << "content \"" << content << "\"";
  }
}

bool IsFile(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void FilingTest::SetUp() {
  ::setenv("OVELIN_MACHINE_ID", "0a1b2c3d4e5f", 0);
  files = temp / "files";
  storeRoot = temp / "store";
  dataFile = temp / "data/AllSets.db";
  std::filesystem::create_directories(files);
  std::filesystem::create_directories(temp / "data");
  store.CreateStarterDocument();
  store.SetStorePath(kRootSet, storeRoot, StorePathKind::UsrDef);
  ASSERT_TRUE(store.SaveTo(dataFile));
}

std::string FilingTest::MakeFile(const std::string& relative, const std::string& content) {
  const std::string path = files + "/" + relative;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  WriteTextFile(path, content);
  return path;
}

void FilingTest::AddSet(const std::string& name, NameList parents, const std::vector<std::string>& definitions) {
  if (parents.empty()) parents.push_back(kRootSet);
  DefinitionList list;
  for (const auto& text : definitions) list.push_back(*PropertyDefinition::Parse(text));
  ASSERT_TRUE(store.CreateFileSet(name, parents, "", StorePathKind::ExParent, list)) << name;
}

std::unique_ptr<CFileSetStore> FilingTest::Reloaded() const {
  auto loaded = std::make_unique<CFileSetStore>();
  EXPECT_TRUE(loaded->Load(dataFile));
  return loaded;
}

std::vector<std::string> FilingTest::ElementPaths(const CFileSetStore& from, const std::string& set) const {
  std::vector<std::string> paths;
  for (const auto& ref : from.ReadSetItemRefs(set)) paths.push_back(ref.path);
  return paths;
}

}  // namespace ovelin::test

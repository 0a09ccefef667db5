#include "cli/cli_filing_fixture.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

namespace ovelin::test {

namespace fs = std::filesystem;

void CliFilingTest::SetUp() {
  Init();
  Ok({"set", "add", "Docs", "--path", docs_});
}

std::string CliFilingTest::Source(const std::string& relative, const std::string& content) const {
  const std::string path = src_ + "/" + relative;
  fs::create_directories(fs::path(path).parent_path());
  WriteTextFile(path, content);
  return path;
}

void CliFilingTest::ExpectEachOnce(const std::vector<std::string>& contents) const {
  const auto census = ContentCensus({src_, docs_, files_});
  for (const auto& content : contents) {
    const auto found = census.find(content);
    EXPECT_EQ(found == census.end() ? 0 : found->second, 1) << "content \"" << content << "\"";
  }
}

nlohmann::json CliFilingTest::Item(const std::string& pathOrUrl) const {
  const auto result = Cli({"--json", "item", "show", pathOrUrl});
  if (result.exitCode != 0) return nullptr;
  return nlohmann::json::parse(result.out);
}

std::string FileUrl(const std::string& path) {
  std::string url = "file://";
  for (char c : path) url += c == ' ' ? std::string("%20") : std::string(1, c);
  return url;
}

std::map<std::string, int> ContentCensus(const std::vector<std::string>& folders) {
  std::map<std::string, int> census;
  for (const auto& folder : folders) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(folder, ec)) {
      if (entry.is_regular_file()) ++census[ReadTextFile(entry.path().string())];
    }
  }
  return census;
}

}  // namespace ovelin::test

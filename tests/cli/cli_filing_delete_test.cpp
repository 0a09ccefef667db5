// rm-items: removing item records, with and without their local files.

#include <filesystem>

#include "cli/cli_filing_fixture.h"

namespace ovelin::test {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

class CliDeleteTest : public CliFilingTest {
 protected:
  void SetUp() override {
    CliFilingTest::SetUp();
    Ok({"archive", "--set", "Docs", "--store-set", "Docs", Source("a.txt", "a"), Source("b.txt", "b"),
        Source("c.txt", "c"), kWeb});
  }

  static constexpr const char* kWeb = "https://example.org/w";
  std::string a_ = docs_ + "/a.txt";
  std::string b_ = docs_ + "/b.txt";
  std::string c_ = docs_ + "/c.txt";
};

TEST_F(CliDeleteTest, RemovesRecordsWithOrWithoutTheirFiles) {
  EXPECT_EQ(Ok({"rm-items", "--keep-files", FileUrl(a_)}), "");
  EXPECT_TRUE(Item(a_).is_null());
  ExpectEachOnce({"a", "b", "c"});

  // A local path stands for its file URL; a web address has no file.
  EXPECT_EQ(Ok({"rm-items", b_, kWeb}), "");
  EXPECT_TRUE(Item(b_).is_null());
  EXPECT_TRUE(Item(kWeb).is_null());
  EXPECT_FALSE(fs::exists(b_));
  EXPECT_EQ(ContentCensus({src_, docs_}).count("b"), 0u);
  ExpectEachOnce({"a", "c"});
  EXPECT_FALSE(Item(c_).is_null());
  EXPECT_EQ(Ok({"dump"}).find(FileUrl(b_)), std::string::npos);
}

TEST_F(CliDeleteTest, FileThatCannotBeDeletedIsReportedAndTheOthersAreHandled) {
  fs::remove(b_);
  const auto result = Cli({"rm-items", FileUrl(b_), FileUrl(c_)});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "文件删除失败\n" + FileUrl(b_) + "\n");
  EXPECT_TRUE(Item(b_).is_null());  // the record goes all the same
  EXPECT_TRUE(Item(c_).is_null());
  EXPECT_FALSE(fs::exists(c_));
  ExpectEachOnce({"a"});
}

TEST_F(CliDeleteTest, UrlThatNamesNothingFails) {
  const std::string before = DataBytes();
  for (const auto& args : std::vector<Strings>{{"rm-items", "--keep-files", docs_ + "/none.txt"},
                                               {"rm-items", "https://example.org/none"}}) {
    SCOPED_TRACE(args.back());
    const auto result = Cli(args);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("no item with the path"), std::string::npos) << result.err;
  }
  EXPECT_EQ(Cli({"rm-items"}).exitCode, 2);
  ExpectEachOnce({"a", "b", "c"});
  EXPECT_FALSE(Item(kWeb).is_null());
}

}  // namespace
}  // namespace ovelin::test

// rm-items and set rm --delete-files: removing item records, with and without
// their local files, to the Trash or for good.

#include <filesystem>

#include "cli/cli_filing_fixture.h"
#include "support/trash_support.h"

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

  std::vector<std::string> Trashed(const std::string& path) const { return TrashedCopiesOf(trash_, path); }
  // The trash folder as a plain file: nothing can be moved there.
  void BreakTheTrash() const {
    fs::create_directories(fs::path(trash_).parent_path());
    WriteTextFile(trash_, "not a folder");
  }
  // Expects the failure report of a kept file: the message, the URL, the reason.
  static void ExpectKept(const CommandResult& result, const std::string& path) {
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.starts_with("文件删除失败\n" + FileUrl(path) + "\n文件已保留：")) << result.err;
    EXPECT_EQ(Lines(result.err).size(), 3u) << result.err;
    EXPECT_TRUE(fs::exists(path));
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

  // A local path stands for its file URL; a web address has no file. The file
  // goes to the Trash.
  EXPECT_EQ(Ok({"rm-items", b_, kWeb}), "");
  EXPECT_TRUE(Item(b_).is_null());
  EXPECT_TRUE(Item(kWeb).is_null());
  EXPECT_FALSE(fs::exists(b_));
  EXPECT_EQ(ContentCensus({src_, docs_}).count("b"), 0u);
  ASSERT_EQ(Trashed(b_).size(), 1u);
  EXPECT_EQ(ReadTextFile(Trashed(b_)[0]), "b");
  ExpectEachOnce({"a", "c"});
  EXPECT_FALSE(Item(c_).is_null());
  EXPECT_EQ(Ok({"dump"}).find(FileUrl(b_)), std::string::npos);
}

TEST_F(CliDeleteTest, FileAlreadyGoneIsNoFailure) {
  fs::remove(b_);
  const auto result = Cli({"rm-items", FileUrl(b_), FileUrl(c_)});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_TRUE(Item(b_).is_null());
  EXPECT_TRUE(Item(c_).is_null());
  EXPECT_EQ(Trashed(c_).size(), 1u);
  ExpectEachOnce({"a"});
}

TEST_F(CliDeleteTest, FileThatCannotGoToTheTrashIsKeptAndReported) {
  BreakTheTrash();
  const auto result = Cli({"rm-items", FileUrl(b_), kWeb});
  ExpectKept(result, b_);
  EXPECT_TRUE(Item(b_).is_null());  // the record goes all the same
  EXPECT_TRUE(Item(kWeb).is_null());
  ExpectEachOnce({"a", "b", "c"});
}

TEST_F(CliDeleteTest, PermanentlyDeletesForGood) {
  EXPECT_EQ(Ok({"rm-items", "--permanently", b_}), "");
  EXPECT_FALSE(fs::exists(b_));
  EXPECT_TRUE(Trashed(b_).empty());
  EXPECT_EQ(Cli({"rm-items", "--permanently", "--keep-files", c_}).exitCode, 2);
  ExpectEachOnce({"a", "c"});
}

TEST_F(CliDeleteTest, SetRemovalMovesTheFilesOfItemsLeftWithoutASetToTheTrash) {
  Ok({"set", "add", "Other"});
  Ok({"archive", "--set", "Other", Source("o.txt", "o")});
  const std::string o = src_ + "/o.txt";
  Ok({"item", "show", o});
  EXPECT_EQ(Cli({"set", "rm", "Docs", "--permanently"}).exitCode, 2);

  Ok({"set", "rm", "Docs", "--delete-files"});
  for (const auto& path : {a_, b_, c_}) EXPECT_EQ(Trashed(path).size(), 1u) << path;
  ExpectEachOnce({});
  EXPECT_TRUE(Item(a_).is_null());

  fs::remove_all(trash_);
  BreakTheTrash();
  Ok({"set", "add", "Third"});
  Ok({"archive", "--set", "Third", Source("t.txt", "t")});
  ExpectKept(Cli({"set", "rm", "Other", "--delete-files"}), o);
  EXPECT_TRUE(Item(o).is_null());  // the set and its item are gone all the same

  Ok({"set", "rm", "Third", "--delete-files", "--permanently"});
  EXPECT_FALSE(fs::exists(src_ + "/t.txt"));
}

TEST_F(CliDeleteTest, UrlThatNamesNothingFails) {
  const std::string before = DataBytes();
  for (const auto& args : std::vector<Strings>{{"rm-items", "--keep-files", docs_ + "/none.txt"},
                                               {"rm-items", "https://example.org/none"}}) {
    SCOPED_TRACE(args.back());
    const auto result = Cli(args);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("没有路径为\""), std::string::npos) << result.err;
  }
  EXPECT_EQ(Cli({"rm-items"}).exitCode, 2);
  ExpectEachOnce({"a", "b", "c"});
  EXPECT_FALSE(Item(kWeb).is_null());
}

TEST_F(CliDeleteTest, DryRunPrintsWhatWouldGoAndChangesNothing) {
  const Strings urls = {a_, a_, src_ + "/nothing.txt", docs_};
  const auto command = [&](Strings words) {
    words.insert(words.end(), urls.begin(), urls.end());
    return words;
  };
  Ok({"set", "list"});  // whatever a command that reads leaves behind
  const auto disk = DiskListing(tmp_.path());
  const std::string before = DataBytes();
  const auto planned = Cli(command({"rm-items", "--dry-run"}));
  EXPECT_EQ(Lines(planned.out), (Strings{FileUrl(a_) + "\tremoved\ttrashed", FileUrl(a_) + "\tnone\tgone",
                                         FileUrl(src_ + "/nothing.txt") + "\tnone\tgone",
                                         FileUrl(docs_) + "\tnone\tkept\ta folder is never deleted"}));
  EXPECT_EQ(DiskListing(tmp_.path()), disk);
  EXPECT_EQ(DataBytes(), before);

  const auto done = Cli(command({"rm-items"}));
  EXPECT_EQ(done.err, planned.err);
  EXPECT_EQ(done.exitCode, 1);
  EXPECT_EQ(planned.exitCode, 1);
  EXPECT_EQ(Trashed(a_).size(), 1u);
}

}  // namespace
}  // namespace ovelin::test

// Deleting items: records in every set, local files, and the error protocol.
#include <gtest/gtest.h>

#include <filesystem>

#include "filing/delete_items.h"
#include "filing/url_parts.h"
#include "filing_fixture.h"
#include "store/store_fixture.h"

namespace ovelin {
namespace {

using test::ScriptedProgress;

class DeleteItemsTest : public test::FilingTest {
 protected:
  void SetUp() override {
    FilingTest::SetUp();
    AddSet("Work");
    AddSet("Home");
    a = MakeFile("a.txt", "a");
    b = MakeFile("b.txt", "b");
    test::AddItem(store, "Work", "a", MakeFileUrl(a));
    test::AddItem(store, "Home", "a", MakeFileUrl(a));
    test::AddItem(store, "Home", "b", MakeFileUrl(b));
    test::AddItem(store, "Work", "web", kWeb);
    ASSERT_TRUE(store.Save());
  }

  const std::string kWeb = "http://example.org/page.html";
  std::string a;
  std::string b;
};

TEST_F(DeleteItemsTest, RemovesRecordsFromEverySetAndDeletesFiles) {
  ScriptedProgress progress;
  const DeleteResult result = DeleteItems(store, {MakeFileUrl(a), kWeb}, true, &progress);
  EXPECT_EQ(progress.events,
            (std::vector<std::string>{"start 2", "item " + MakeFileUrl(a), "item " + kWeb, "finish"}));
  EXPECT_TRUE(result.saved);
  ASSERT_EQ(result.items.size(), 2u);
  EXPECT_TRUE(result.items[0].recordRemoved);
  EXPECT_TRUE(result.items[0].fileDeleted);
  EXPECT_TRUE(result.items[1].recordRemoved);
  EXPECT_FALSE(result.items[1].fileDeleted);
  EXPECT_FALSE(std::filesystem::exists(a));
  EXPECT_TRUE(test::IsFile(b));

  const auto saved = Reloaded();
  EXPECT_TRUE(ElementPaths(*saved, "Work").empty());
  EXPECT_EQ(ElementPaths(*saved, "Home"), std::vector<std::string>{MakeFileUrl(b)});
  EXPECT_TRUE(saved->FindItemByPath(MakeFileUrl(a)).GetPath().empty());
}

TEST_F(DeleteItemsTest, KeepsFilesWhenAsked) {
  const DeleteResult result = DeleteItems(store, {MakeFileUrl(a)}, false, nullptr);
  EXPECT_TRUE(result.items[0].recordRemoved);
  EXPECT_EQ(test::ReadTextFile(a), "a");
  EXPECT_TRUE(store.FindItemByPath(MakeFileUrl(a)).GetPath().empty());
}

TEST_F(DeleteItemsTest, UnrecordedFileIsDeletedWithoutAnItemStep) {
  const std::string loose = MakeFile("loose.txt", "loose");
  ScriptedProgress progress;
  const DeleteResult result = DeleteItems(store, {MakeFileUrl(loose)}, true, &progress);
  EXPECT_EQ(progress.events, (std::vector<std::string>{"start 1", "finish"}));
  EXPECT_FALSE(result.items[0].recordRemoved);
  EXPECT_TRUE(result.items[0].fileDeleted);
  EXPECT_FALSE(std::filesystem::exists(loose));
}

TEST_F(DeleteItemsTest, MissingFileIsAskedAboutUntilIgnoredAndTheRecordStillGoes) {
  std::filesystem::remove(a);
  ScriptedProgress progress({ErrorChoice::Retry, ErrorChoice::Retry, ErrorChoice::Ignore});
  const DeleteResult result = DeleteItems(store, {MakeFileUrl(a), MakeFileUrl(b)}, true, &progress);
  EXPECT_EQ(progress.errors, std::vector<std::string>(3, "文件删除失败\n" + MakeFileUrl(a)));
  EXPECT_TRUE(result.items[0].recordRemoved);
  EXPECT_FALSE(result.items[0].fileDeleted);
  EXPECT_TRUE(result.items[1].fileDeleted);
  EXPECT_TRUE(Reloaded()->FindItemByPath(MakeFileUrl(a)).GetPath().empty());
}

TEST_F(DeleteItemsTest, AbortStopsTheListAndSavesWhatWasDone) {
  std::filesystem::remove(a);
  ScriptedProgress progress({ErrorChoice::Abort});
  const DeleteResult result = DeleteItems(store, {MakeFileUrl(a), MakeFileUrl(b)}, true, &progress);
  EXPECT_TRUE(result.aborted);
  EXPECT_TRUE(result.saved);
  EXPECT_EQ(result.items.size(), 1u);
  EXPECT_EQ(progress.events.back(), "finish");
  EXPECT_EQ(test::ReadTextFile(b), "b");
  const auto saved = Reloaded();
  EXPECT_EQ(ElementPaths(*saved, "Home"), std::vector<std::string>{MakeFileUrl(b)});
  EXPECT_TRUE(saved->FindItemByPath(MakeFileUrl(a)).GetPath().empty());
}

TEST_F(DeleteItemsTest, FoldersAreNeverDeleted) {
  std::filesystem::create_directories(files + "/folder/inner");
  test::WriteTextFile(files + "/folder/inner/keep.txt", "keep");
  ScriptedProgress progress;
  const DeleteResult result = DeleteItems(store, {MakeFileUrl(files + "/folder")}, true, &progress);
  EXPECT_EQ(progress.errors.size(), 1u);
  EXPECT_FALSE(result.items[0].fileDeleted);
  EXPECT_EQ(test::ReadTextFile(files + "/folder/inner/keep.txt"), "keep");
}

}  // namespace
}  // namespace ovelin

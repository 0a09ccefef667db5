// Deleting items: records in every set, local files to the Trash or for good, and
// the error protocol.
#include <gtest/gtest.h>

#include <filesystem>

#include "filing/delete_items.h"
#include "filing/url_parts.h"
#include "filing_fixture.h"
#include "store/store_fixture.h"
#include "support/trash_support.h"

namespace ovelin {
namespace {

using test::ScriptedProgress;
using test::TemporaryTrash;

class DeleteItemsTest : public test::FilingTest {
 protected:
  void SetUp() override {
    FilingTest::SetUp();
    TemporaryTrash::Clear();
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

  /// A trash primitive that finds no usable trash for `a` and counts its calls.
  FilingEnvironment NoTrashFor(const std::string& path) {
    FilingEnvironment environment;
    environment.trash = [this, path](const std::string& local) {
      if (local != path) return MoveToTrash(local);
      ++trashCalls;
      return RemovalResult{RemovalOutcome::NoTrash, "no trash here"};
    };
    return environment;
  }

  std::vector<std::string> Trashed(const std::string& path) const {
    return test::TrashedCopiesOf(TemporaryTrash::Folder(), path);
  }

  const std::string kWeb = "http://example.org/page.html";
  std::string a;
  std::string b;
  int trashCalls = 0;
};

TEST_F(DeleteItemsTest, RemovesRecordsFromEverySetAndMovesFilesToTheTrash) {
  ScriptedProgress progress;
  const DeleteResult result = DeleteItems(store, {MakeFileUrl(a), kWeb}, true, &progress);
  EXPECT_EQ(progress.events, (std::vector<std::string>{"start 2", "item " + MakeFileUrl(a), "item " + kWeb, "finish"}));
  EXPECT_TRUE(result.saved);
  ASSERT_EQ(result.items.size(), 2u);
  EXPECT_TRUE(result.items[0].recordRemoved);
  ASSERT_TRUE(result.items[0].file);
  EXPECT_EQ(result.items[0].file->outcome, RemovalOutcome::Trashed);
  EXPECT_TRUE(result.items[1].recordRemoved);
  EXPECT_FALSE(result.items[1].file);  // a web address has no file
  EXPECT_FALSE(std::filesystem::exists(a));
  const auto copies = Trashed(a);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(test::ReadTextFile(copies[0]), "a");
  EXPECT_TRUE(test::IsFile(b));

  const auto saved = Reloaded();
  EXPECT_TRUE(ElementPaths(*saved, "Work").empty());
  EXPECT_EQ(ElementPaths(*saved, "Home"), std::vector<std::string>{MakeFileUrl(b)});
  EXPECT_TRUE(saved->FindItemByPath(MakeFileUrl(a)).GetPath().empty());
}

TEST_F(DeleteItemsTest, KeepsFilesWhenAsked) {
  const DeleteResult result = DeleteItems(store, {MakeFileUrl(a)}, false, nullptr);
  EXPECT_TRUE(result.items[0].recordRemoved);
  EXPECT_FALSE(result.items[0].file);
  EXPECT_EQ(test::ReadTextFile(a), "a");
  EXPECT_TRUE(store.FindItemByPath(MakeFileUrl(a)).GetPath().empty());
}

TEST_F(DeleteItemsTest, UnrecordedFileIsTrashedWithoutAnItemStep) {
  const std::string loose = MakeFile("loose.txt", "loose");
  ScriptedProgress progress;
  const DeleteResult result = DeleteItems(store, {MakeFileUrl(loose)}, true, &progress);
  EXPECT_EQ(progress.events, (std::vector<std::string>{"start 1", "finish"}));
  EXPECT_FALSE(result.items[0].recordRemoved);
  EXPECT_TRUE(result.items[0].FileGone());
  EXPECT_EQ(Trashed(loose).size(), 1u);
}

TEST_F(DeleteItemsTest, FileAlreadyGoneIsNoFailureAndTheRecordStillGoes) {
  std::filesystem::remove(a);
  for (FileRemoval removal : {FileRemoval::Trash, FileRemoval::Permanently}) {
    ScriptedProgress progress;
    const DeleteResult result = DeleteItems(store, {MakeFileUrl(a)}, true, &progress, removal);
    EXPECT_TRUE(progress.errors.empty());
    ASSERT_TRUE(result.items[0].file);
    EXPECT_EQ(result.items[0].file->outcome, RemovalOutcome::AlreadyGone);
  }
  EXPECT_TRUE(Reloaded()->FindItemByPath(MakeFileUrl(a)).GetPath().empty());
}

TEST_F(DeleteItemsTest, FileWithoutUsableTrashIsKeptAndAskedAboutUntilIgnored) {
  ScriptedProgress progress({ErrorChoice::Retry, ErrorChoice::Retry, ErrorChoice::Ignore});
  const DeleteResult result =
      DeleteItems(store, {MakeFileUrl(a), MakeFileUrl(b)}, true, &progress, FileRemoval::Trash, NoTrashFor(a));
  EXPECT_EQ(progress.errors, std::vector<std::string>(3, "文件删除失败\n" + MakeFileUrl(a)));
  EXPECT_EQ(trashCalls, 3);
  EXPECT_EQ(test::ReadTextFile(a), "a");
  EXPECT_TRUE(result.items[0].recordRemoved);
  EXPECT_FALSE(result.items[0].FileGone());
  EXPECT_EQ(result.items[0].file->outcome, RemovalOutcome::NoTrash);
  EXPECT_EQ(result.items[0].file->error, "no trash here");
  EXPECT_TRUE(result.items[1].FileGone());
  EXPECT_TRUE(Reloaded()->FindItemByPath(MakeFileUrl(a)).GetPath().empty());
}

TEST_F(DeleteItemsTest, AbortStopsTheListAndSavesWhatWasDone) {
  ScriptedProgress progress({ErrorChoice::Abort});
  const DeleteResult result =
      DeleteItems(store, {MakeFileUrl(a), MakeFileUrl(b)}, true, &progress, FileRemoval::Trash, NoTrashFor(a));
  EXPECT_TRUE(result.aborted);
  EXPECT_TRUE(result.saved);
  EXPECT_EQ(result.items.size(), 1u);
  EXPECT_EQ(progress.events.back(), "finish");
  EXPECT_EQ(test::ReadTextFile(a), "a");
  EXPECT_EQ(test::ReadTextFile(b), "b");
  const auto saved = Reloaded();
  EXPECT_EQ(ElementPaths(*saved, "Home"), std::vector<std::string>{MakeFileUrl(b)});
  EXPECT_TRUE(saved->FindItemByPath(MakeFileUrl(a)).GetPath().empty());
}

TEST_F(DeleteItemsTest, PermanentlyDeletesForGoodWithoutTheTrash) {
  const DeleteResult result =
      DeleteItems(store, {MakeFileUrl(a)}, true, nullptr, FileRemoval::Permanently, NoTrashFor(a));
  EXPECT_EQ(result.items[0].file->outcome, RemovalOutcome::Deleted);
  EXPECT_EQ(trashCalls, 0);
  EXPECT_FALSE(std::filesystem::exists(a));
  EXPECT_TRUE(Trashed(a).empty());
}

TEST_F(DeleteItemsTest, FoldersAreNeverDeleted) {
  std::filesystem::create_directories(files + "/folder/inner");
  test::WriteTextFile(files + "/folder/inner/keep.txt", "keep");
  for (FileRemoval removal : {FileRemoval::Trash, FileRemoval::Permanently}) {
    ScriptedProgress progress;
    const DeleteResult result = DeleteItems(store, {MakeFileUrl(files + "/folder")}, true, &progress, removal);
    EXPECT_EQ(progress.errors.size(), 1u);
    EXPECT_FALSE(result.items[0].FileGone());
  }
  EXPECT_EQ(test::ReadTextFile(files + "/folder/inner/keep.txt"), "keep");
  EXPECT_TRUE(Trashed(files + "/folder").empty());
}

}  // namespace
}  // namespace ovelin

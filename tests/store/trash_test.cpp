// Moving local files to the Trash, alone and with the files of a deleted set.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "store/file_url.h"
#include "store/trash.h"
#include "store_fixture.h"
#include "support/test_support.h"
#include "support/trash_support.h"

namespace ovelin {
namespace {

namespace fs = std::filesystem;
using test::TemporaryTrash;

class Trash : public ::testing::Test {
 protected:
  void SetUp() override { TemporaryTrash::Clear(); }
  void TearDown() override { TemporaryTrash::Clear(); }

  std::vector<std::string> Trashed(const std::string& path) const {
    return test::TrashedCopiesOf(TemporaryTrash::Folder(), path);
  }
  // The trash folder as a plain file: GIO cannot put anything there.
  void BreakTheTrash() const {
    TemporaryTrash::Clear();
    test::WriteTextFile(TemporaryTrash::Folder(), "not a folder");
  }

  test::TempDir dir;
};

TEST_F(Trash, FilesAndLinksGoToTheTrashWithARecordOfTheirPlace) {
  const std::string file = dir / "a.txt";
  const std::string folder = dir / "folder";
  const std::string link = dir / "link";
  test::WriteTextFile(file, "a");
  fs::create_directory(folder);
  fs::create_directory_symlink(folder, link);

  EXPECT_EQ(MoveToTrash(file).outcome, RemovalOutcome::Trashed);
  EXPECT_FALSE(fs::exists(file));
  const auto copies = Trashed(file);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(test::ReadTextFile(copies[0]), "a");

  EXPECT_EQ(RemoveLocalFile(link, FileRemoval::Trash).outcome, RemovalOutcome::Trashed);
  EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
  EXPECT_TRUE(fs::is_directory(folder));  // only the link went
  ASSERT_EQ(Trashed(link).size(), 1u);
  EXPECT_TRUE(fs::is_symlink(Trashed(link)[0]));
}

TEST_F(Trash, DeletedSetSendsTheFilesOfItemsLeftWithoutASetToTheTrash) {
  CFileSetStore store;
  test::StartFresh(store);
  const std::string only = dir / "only.txt";
  const std::string shared = dir / "shared.txt";
  const std::string later = dir / "later.txt";
  for (const auto& path : {only, shared, later}) test::WriteTextFile(path, "x");
  for (const char* set : {"A", "B", "C"}) ASSERT_TRUE(test::AddSet(store, set));
  test::AddItem(store, "A", "only", LocalPathToFileUrl(only));
  test::AddItem(store, "A", "shared", LocalPathToFileUrl(shared));
  test::AddItem(store, "B", "shared", LocalPathToFileUrl(shared));
  test::AddItem(store, "C", "later", LocalPathToFileUrl(later));

  ASSERT_TRUE(store.DeleteFileSet("A", true));
  EXPECT_FALSE(fs::exists(only));
  EXPECT_EQ(Trashed(only).size(), 1u);
  EXPECT_TRUE(fs::exists(shared));

  // Without a usable trash the set still goes, and the file stays.
  BreakTheTrash();
  const RemovalResult refused = MoveToTrash(later);
  EXPECT_FALSE(refused.Gone());
  EXPECT_FALSE(refused.error.empty());
  ASSERT_TRUE(store.DeleteFileSet("C", true));
  EXPECT_TRUE(store.FindItemByPath(LocalPathToFileUrl(later)).GetPath().empty());
  EXPECT_EQ(test::ReadTextFile(later), "x");
}

// A file on another file system goes to the ".Trash-UID" folder at its top. The
// test runs itself again in a private user and mount namespace (unshare -Urm) with
// a ramfs and a tmpfs mounted; GIO counts tmpfs among the system mounts, where it
// refuses to trash, so the file there must stay where it is.
constexpr const char* kMountsVariable = "OVELIN_TEST_TRASH_MOUNTS";

TEST_F(Trash, AnotherFileSystemUsesTheTrashAtItsTop) {
  const char* mounts = std::getenv(kMountsVariable);
  if (!mounts) {
    if (std::system("unshare -Urm true 2>/dev/null") != 0) GTEST_SKIP() << "no user namespaces here";
    const std::string self = fs::read_symlink("/proc/self/exe");
    const std::string script = "mount -t ramfs ovelin " + (dir / "ramfs") + " && mount -t tmpfs ovelin " +
                               (dir / "tmpfs") + " && " + kMountsVariable + "=" + dir.path() + " exec " + self +
                               " --gtest_filter=Trash.AnotherFileSystemUsesTheTrashAtItsTop";
    fs::create_directory(dir / "ramfs");
    fs::create_directory(dir / "tmpfs");
    EXPECT_EQ(std::system(("unshare -Urm sh -c '" + script + "' >/dev/null 2>&1").c_str()), 0);
    return;
  }
  const std::string top = std::string(mounts) + "/ramfs";
  const std::string file = top + "/a.txt";
  test::WriteTextFile(file, "a");
  EXPECT_EQ(MoveToTrash(file).outcome, RemovalOutcome::Trashed);
  EXPECT_FALSE(fs::exists(file));
  // The trash at a file system's top records the path relative to that top.
  EXPECT_EQ(test::TrashedCopiesOf(top + "/.Trash-" + std::to_string(::getuid()), "a.txt").size(), 1u);
  EXPECT_TRUE(Trashed(file).empty());  // not in the home trash

  const std::string kept = std::string(mounts) + "/tmpfs/b.txt";
  test::WriteTextFile(kept, "b");
  EXPECT_EQ(MoveToTrash(kept).outcome, RemovalOutcome::NoTrash);
  EXPECT_EQ(test::ReadTextFile(kept), "b");
}

}  // namespace
}  // namespace ovelin

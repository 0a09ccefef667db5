// The entity file set graph.
#include <gtest/gtest.h>

#include <filesystem>

#include "store/file_url.h"
#include "store_fixture.h"
#include "support/test_support.h"

namespace ovelin {
namespace {

using test::AddItem;
using test::AddSet;
using test::kRoot;

class Sets : public ::testing::Test {
 protected:
  void SetUp() override { test::StartFresh(store); }
  std::string Xml() const { return store.GetXml(false); }
  CFileSetStore store;
};

TEST_F(Sets, CreateWritesParentsInGivenOrderAndChildsSorted) {
  ASSERT_TRUE(AddSet(store, "Work"));
  ASSERT_TRUE(AddSet(store, "Home"));
  ASSERT_TRUE(store.CreateFileSet("Tax", {"Work", "Home"}, "", StorePathKind::UsrDef, {}));
  pugi::xml_node tax = store.FindFileSet("Tax");
  EXPECT_STREQ(tax.child("Parents").text().get(), "Work;Home");
  EXPECT_EQ(store.GetParents("Tax"), (NameList{"Home", "Work"}));
  EXPECT_EQ(store.GetChilds("Work"), (NameList{"Tax"}));
  EXPECT_EQ(store.GetChilds(kRoot), (NameList{"Home", "Work"}));
  // Children of a FileSet in the order the data file lays them out.
  std::vector<std::string> order;
  for (pugi::xml_node child : tax.children()) order.push_back(child.name());
  EXPECT_EQ(order, (std::vector<std::string>{"Name", "StorePath", "Elements", "Childs", "Parents", "ItemPropertys"}));
}

TEST_F(Sets, NameRuleAndUsedNamesAreRefusedWithoutChange) {
  ASSERT_TRUE(AddSet(store, "Work"));
  ASSERT_TRUE(store.AppendViewSet("Recent", "Work"));
  const std::string before = Xml();
  for (const std::string bad :
       {"", "a b", "a-b", "a.b", "a;b", "a\"b", "a(b", "a^b", "Work", "Recent", kRoot.c_str()}) {
    EXPECT_FALSE(AddSet(store, bad)) << bad;
    EXPECT_FALSE(store.RenameFileSet("Work", bad)) << bad;
  }
  EXPECT_EQ(Xml(), before);
  EXPECT_TRUE(store.IsNameUsed("Recent").isViewSet);
  EXPECT_FALSE(store.IsNameUsed("Work").isViewSet);
  EXPECT_FALSE(store.IsNameUsed("Nothing").used);
  EXPECT_FALSE(store.FindFileSet(""));
}

TEST_F(Sets, CyclesAreRefused) {
  ASSERT_TRUE(AddSet(store, "A"));
  ASSERT_TRUE(AddSet(store, "B", {"A"}));
  ASSERT_TRUE(AddSet(store, "C", {"B"}));
  const std::string before = Xml();
  EXPECT_FALSE(store.SetParents("A", {"C"}));
  EXPECT_FALSE(store.SetParents("A", {"A"}));
  EXPECT_FALSE(store.SetParents(kRoot, {"B"}));
  EXPECT_FALSE(store.CreateFileSet("D", {"D"}, "", StorePathKind::UsrDef, {}));
  EXPECT_EQ(Xml(), before);
  EXPECT_TRUE(store.IsDescendant("C", "A"));
  EXPECT_FALSE(store.IsDescendant("A", "C"));
  EXPECT_FALSE(store.IsDescendant("A", "A"));
}

TEST_F(Sets, RenameUpdatesLinksExtendedPathsRootAndItems) {
  ASSERT_TRUE(AddSet(store, "Work"));
  ASSERT_TRUE(AddSet(store, "Tax", {"Work"}));
  ASSERT_TRUE(store.AppendViewSet("V", "Work+Tax"));
  AddItem(store, "Work", "a", "file:///a");
  ASSERT_TRUE(store.RenameFileSet("Work", "Job"));
  EXPECT_FALSE(store.FindFileSet("Work"));
  EXPECT_EQ(store.GetChilds(kRoot), (NameList{"Job"}));
  EXPECT_EQ(store.GetParents("Tax"), (NameList{"Job"}));
  EXPECT_EQ(store.GetStorePath("Tax").text, "Job");
  EXPECT_EQ(store.FindItemByPath("file:///a").GetOwningSets(), (NameList{"Job"}));
  EXPECT_EQ(store.GetViewSetExpression("V"), "Work+Tax");  // view sets keep the old name

  ASSERT_TRUE(store.RenameFileSet(kRoot, "Top"));
  EXPECT_EQ(store.GetRootName(), "Top");
  EXPECT_EQ(store.GetParents("Job"), (NameList{"Top"}));
}

TEST_F(Sets, SetParentsMovesLinksOnBothSides) {
  ASSERT_TRUE(AddSet(store, "A"));
  ASSERT_TRUE(AddSet(store, "B"));
  ASSERT_TRUE(AddSet(store, "C", {"A"}));
  ASSERT_TRUE(store.SetParents("C", {"B", kRoot, "B"}));
  EXPECT_EQ(store.GetChilds("A"), NameList{});
  EXPECT_EQ(store.GetChilds("B"), (NameList{"C"}));
  EXPECT_EQ(store.GetParents("C"), (NameList{"B", kRoot}));
  EXPECT_TRUE(store.IsDescendant("C", kRoot));
  EXPECT_FALSE(store.SetParents("Unknown", {"A"}));
}

TEST_F(Sets, DeleteCascadesOnlyToChildrenLeftWithoutParent) {
  ASSERT_TRUE(AddSet(store, "A"));
  ASSERT_TRUE(AddSet(store, "B"));
  ASSERT_TRUE(AddSet(store, "Shared", {"A", "B"}));
  ASSERT_TRUE(AddSet(store, "Only", {"A"}));
  ASSERT_TRUE(AddSet(store, "Deep", {"Only"}));
  ASSERT_TRUE(store.DeleteFileSet("A", false));
  EXPECT_FALSE(store.FindFileSet("A"));
  EXPECT_FALSE(store.FindFileSet("Only"));
  EXPECT_FALSE(store.FindFileSet("Deep"));
  EXPECT_TRUE(store.FindFileSet("Shared"));
  EXPECT_EQ(store.GetParents("Shared"), (NameList{"B"}));
  EXPECT_EQ(store.GetChilds(kRoot), (NameList{"B"}));
  EXPECT_FALSE(store.DeleteFileSet("A", false));
}

TEST_F(Sets, DeletingTheExtendedParentExtendsTheLastRemainingParent) {
  store.SetStorePath(kRoot, "/lib", StorePathKind::UsrDef);
  for (const char* name : {"A", "B", "C"}) ASSERT_TRUE(AddSet(store, name));
  ASSERT_TRUE(AddSet(store, "Moved", {"B", "A", "C"}));  // extends B, its first parent
  ASSERT_TRUE(AddSet(store, "Kept", {"A", "B"}));        // extends A
  ASSERT_TRUE(AddSet(store, "Own", {"B", "A"}));
  store.SetStorePath("Own", "/own", StorePathKind::UsrDef);
  ASSERT_TRUE(store.DeleteFileSet("B", false));
  EXPECT_EQ(store.GetStorePath("Moved").text, "C");
  EXPECT_EQ(store.GetEffectiveStorePath("Moved"), "/lib/C/Moved");
  EXPECT_EQ(store.GetStorePath("Kept").text, "A");
  EXPECT_EQ(store.GetEffectiveStorePath("Own"), "/own");
}

TEST_F(Sets, DeleteRemovesItemsLeftWithoutSetAndTheirFilesOnRequest) {
  test::TempDir dir;
  const std::string kept = dir / "kept file.txt";
  const std::string gone = dir / "gone.txt";
  const std::string shared = dir / "shared.txt";
  for (const auto& path : {kept, gone, shared}) test::WriteTextFile(path, "x");
  ASSERT_TRUE(AddSet(store, "A"));
  ASSERT_TRUE(AddSet(store, "B"));
  ASSERT_TRUE(AddSet(store, "C"));
  AddItem(store, "A", "gone", LocalPathToFileUrl(gone));
  AddItem(store, "A", "shared", LocalPathToFileUrl(shared));
  AddItem(store, "B", "shared", LocalPathToFileUrl(shared));
  AddItem(store, "C", "kept", LocalPathToFileUrl(kept));
  ASSERT_TRUE(store.DeleteFileSet("C", false));
  EXPECT_TRUE(std::filesystem::exists(kept));
  ASSERT_TRUE(store.DeleteFileSet("A", true));
  EXPECT_FALSE(std::filesystem::exists(gone));
  EXPECT_TRUE(std::filesystem::exists(shared));
  EXPECT_EQ(store.GetRootItems().size(), 1u);
  EXPECT_EQ(store.FindItemByPath(LocalPathToFileUrl(shared)).GetOwningSets(), (NameList{"B"}));
}

TEST_F(Sets, StorePathsResolveThroughExtendedParents) {
  store.SetStorePath(kRoot, "/data/docs/", StorePathKind::UsrDef);
  ASSERT_TRUE(AddSet(store, "Work"));
  ASSERT_TRUE(AddSet(store, "Tax", {"Work"}));
  EXPECT_EQ(store.GetEffectiveStorePath("Tax"), "/data/docs/Work/Tax");
  store.SetStorePath(kRoot, "/data/docs", StorePathKind::UsrDef);
  EXPECT_EQ(store.GetEffectiveStorePath("Tax"), "/data/docs/Work/Tax");
  EXPECT_EQ(store.ResolveExtendedStorePath("New", "Tax"), "/data/docs/Work/Tax/New");
  EXPECT_EQ(store.ResolveExtendedStorePath("New", "Missing"), "/New");

  store.SetStorePath("Work", "/elsewhere//", StorePathKind::UsrDef);
  EXPECT_EQ(store.GetEffectiveStorePath("Work"), "/elsewhere");
  EXPECT_EQ(store.GetEffectiveStorePath("Tax"), "/elsewhere/Tax");

  store.SetStorePath(kRoot, "/", StorePathKind::UsrDef);
  EXPECT_EQ(store.GetEffectiveStorePath(kRoot), "/");
  store.FindFileSet("Work").child("StorePath").attribute("Type").set_value("Other");
  EXPECT_EQ(store.GetEffectiveStorePath("Work"), "");
  EXPECT_TRUE(store.GetStorePath("Work").found);
  EXPECT_FALSE(store.GetStorePath("Missing").found);

  // A kind-1 set created with an explicit parent name extends that parent.
  ASSERT_TRUE(store.CreateFileSet("X", {"Work", "Tax"}, "Tax", StorePathKind::ExParent, {}));
  EXPECT_EQ(store.GetStorePath("X").text, "Tax");
}

TEST_F(Sets, NotesAreCreatedLastAndRead) {
  ASSERT_TRUE(AddSet(store, "A"));
  EXPECT_EQ(store.GetNote("A"), "");
  store.SetNote("A", "第一");
  store.SetNote("A", "second");
  EXPECT_EQ(store.GetNote("A"), "second");
  EXPECT_STREQ(store.FindFileSet("A").last_child().name(), "Note");
  store.SetNote("Missing", "x");
  EXPECT_EQ(store.GetNote("Missing"), "");
}

TEST_F(Sets, NamesAreListedInByteOrder) {
  for (const std::string name : {"b", "B", "中文", "a"}) ASSERT_TRUE(AddSet(store, name));
  EXPECT_EQ(store.GetFileSetNames(), (NameList{"B", "a", "b", "中文", kRoot}));
}

}  // namespace
}  // namespace ovelin

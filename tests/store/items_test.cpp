// File items, item lists and the root item list.
#include <gtest/gtest.h>

#include "base/text_order.h"
#include "store_fixture.h"

namespace ovelin {
namespace {

using test::AddItem;
using test::AddSet;
using test::kRoot;
using test::Paths;

TEST(FileItem, PropertyValueEntries) {
  CFileItem item("n", "p");
  item.SetPropertyValue("Size", "5");
  item.SetPropertyValue("Author", "Li");
  item.SetPropertyValue("Size", "7");
  EXPECT_EQ(item.GetPropertyValues(), (std::vector<std::string>{"Size;7", "Author;Li"}));
  EXPECT_EQ(item.GetPropertyValue("Size"), "7");
  EXPECT_EQ(item.GetPropertyValue("size"), "");
  EXPECT_EQ(item.FindPropertyValue("Author"), 1);

  // Only the second piece of an entry is the value; further pieces stay.
  CFileItem odd("n", "p");
  odd.AppendPropertyEntry("A;x;y");
  odd.AppendPropertyEntry("B");
  odd.SetPropertyValue("A", "z");
  odd.SetPropertyValue("B", "v");
  EXPECT_EQ(odd.GetPropertyValues(), (std::vector<std::string>{"A;z;y", "B"}));
  EXPECT_EQ(odd.GetPropertyValue("A"), "z");
  EXPECT_EQ(odd.GetPropertyValue("B"), "");

  CFileItem other("n", "p");
  other.AppendPropertyEntry("A;q;r");
  other.AppendPropertyEntry("C");
  odd.MergePropertyValues(other);
  EXPECT_EQ(odd.GetPropertyValues(), (std::vector<std::string>{"A;q;y", "B"}));
  odd.RemovePropertyValue("A");
  EXPECT_EQ(odd.GetPropertyValues(), (std::vector<std::string>{"B"}));
}

TEST(FileItem, OwningSetsStaySortedAndUnique) {
  CFileItem item;
  item.AddOwningSet("b");
  item.AddOwningSet("a");
  item.AddOwningSet("b");
  item.AddOwningSet("");
  EXPECT_EQ(item.GetOwningSets(), (NameList{"a", "b"}));
  item.RemoveOwningSet("a");
  EXPECT_EQ(item.GetOwningSets(), (NameList{"b"}));
}

TEST(TextOrder, Utf16CodeUnitOrder) {
  EXPECT_TRUE(Utf16Less("B", "a"));
  EXPECT_TRUE(Utf16Less("a", "ab"));
  EXPECT_FALSE(Utf16Less("ab", "ab"));
  // U+1F600 is a surrogate pair (D83D DE00) and sorts before U+FF21 in UTF-16,
  // although its UTF-8 bytes sort after.
  EXPECT_TRUE(Utf16Less("x\xF0\x9F\x98\x80", "x\xEF\xBC\xA1"));
  EXPECT_FALSE(Utf16Less("x\xEF\xBC\xA1", "x\xF0\x9F\x98\x80"));
  EXPECT_TRUE(Utf16Less("x\xE4\xB8\xAD", "x\xF0\x9F\x98\x80"));  // U+4E2D before the pair
}

TEST(ItemList, InsertKeepsPathOrderAndMerges) {
  ItemList list("L");
  CFileItem b("b", "file:///b");
  b.AddOwningSet("S1");
  b.SetPropertyValue("P", "1");
  CFileItem b2("other name", "file:///b");
  b2.AddOwningSet("S2");
  b2.SetPropertyValue("P", "2");
  b2.SetPropertyValue("Q", "3");
  list.Insert(b);
  list.Insert(CFileItem("A", "file:///A"));
  list.Insert(b2);
  list.Insert(CFileItem("", "file:///empty-name"));
  list.Insert(CFileItem("no path", ""));
  ASSERT_EQ(Paths(list), (std::vector<std::string>{"file:///A", "file:///b"}));
  const CFileItem* merged = list.Find("file:///b");
  ASSERT_TRUE(merged);
  EXPECT_EQ(merged->GetName(), "b");
  EXPECT_EQ(merged->GetOwningSets(), (NameList{"S1", "S2"}));
  EXPECT_EQ(merged->GetPropertyValues(), (std::vector<std::string>{"P;2", "Q;3"}));
  EXPECT_TRUE(list.Remove("file:///A"));
  EXPECT_FALSE(list.Remove("file:///A"));
}

class Items : public ::testing::Test {
 protected:
  void SetUp() override {
    test::StartFresh(store);
    ASSERT_TRUE(AddSet(store, "Work", {}, {"Size;NUMBER;;;0"}));
    ASSERT_TRUE(AddSet(store, "Home"));
  }
  CFileSetStore store;
};

TEST_F(Items, AnItemInTwoSetsIsOneItemInTheRootList) {
  AddItem(store, "Work", "a", "file:///x/a", {"Size;4"});
  AddItem(store, "Home", "a", "file:///x/a");
  AddItem(store, "Home", "b", "file:///x/B");
  EXPECT_EQ(store.ReadSetItemRefs("Work").size(), 1u);
  EXPECT_EQ(Paths(store.GetRootItems()), (std::vector<std::string>{"file:///x/B", "file:///x/a"}));
  const CFileItem a = store.FindItemByPath("file:///x/a");
  EXPECT_EQ(a.GetOwningSets(), (NameList{"Home", "Work"}));
  EXPECT_EQ(a.GetPropertyValue("Size"), "4");
  EXPECT_TRUE(store.FindItemByPath("file:///x/A").GetPath().empty());  // paths are case-sensitive

  ItemList query("q");
  query.Insert(store.FindItemByPath("file:///x/a"));
  query.Insert(CFileItem("z", "file:///unknown"));
  EXPECT_EQ(store.CollectOwningSets(query), (NameList{"Home", "Work"}));
}

TEST_F(Items, WriteSetElementsDropsUndefinedValuesAndItemsNoLongerOwned) {
  AddItem(store, "Home", "a", "file:///a", {"Size;4"});  // Home defines no Size
  EXPECT_TRUE(store.ReadSetItems("Home").front().GetPropertyValues().empty());

  AddItem(store, "Work", "b", "file:///b", {"Size;4", "Other;1"});
  const auto items = store.ReadSetItems("Work");
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items.front().GetPropertyValues(), (std::vector<std::string>{"Size;4"}));
  std::vector<std::string> children;
  for (pugi::xml_node child : store.FindFileSet("Work").child("Elements").child("File").children()) {
    children.push_back(child.name());
  }
  EXPECT_EQ(children, (std::vector<std::string>{"Name", "Path", "Description", "ItemPropertys"}));

  ItemList list("Work");
  CFileItem stray = items.front();
  stray.RemoveOwningSet("Work");
  list.Insert(stray);
  store.WriteSetElements(list);
  EXPECT_TRUE(store.ReadSetItemRefs("Work").empty());
}

TEST_F(Items, TreeItemsMergeDescendantsAndReadSharedSetsOnce) {
  // A diamond: Shared under both Work and Home; the root reaches it twice.
  ASSERT_TRUE(AddSet(store, "Shared", {"Work", "Home"}));
  AddItem(store, "Shared", "s", "file:///s");
  AddItem(store, "Work", "w", "file:///w");
  const auto root = store.ReadSetTreeItems(kRoot);
  ASSERT_TRUE(root);
  EXPECT_EQ(Paths(*root), (std::vector<std::string>{"file:///s", "file:///w"}));
  EXPECT_EQ(root->GetName(), kRoot);
  EXPECT_FALSE(store.ReadSetTreeItems("Missing"));
}

TEST_F(Items, ValuesOfTheSetVisitedLastWinAsInRepeatedMerging) {
  // Root's children in order: A, B. A has children C then D; B has child C.
  // Visiting with repeats: root, A, C, D, B, C. C is visited last, so C's value
  // wins over D's, and the value entries keep the order of first appearance.
  store.CreateFileSet("A", {kRoot}, "", StorePathKind::ExParent, {});
  store.CreateFileSet("B", {kRoot}, "", StorePathKind::ExParent, {});
  store.CreateFileSet("C", {"A", "B"}, "", StorePathKind::ExParent, {});
  store.CreateFileSet("D", {"A"}, "", StorePathKind::ExParent, {});
  store.SetOwnDefinitions("A", {*PropertyDefinition::Parse("P;STRING;;;"), *PropertyDefinition::Parse("Q;STRING;;;")});
  AddItem(store, "C", "x", "file:///x", {"P;fromC"});
  AddItem(store, "D", "x", "file:///x", {"Q;fromD", "P;fromD"});
  const CFileItem x = store.FindItemByPath("file:///x");
  EXPECT_EQ(x.GetPropertyValues(), (std::vector<std::string>{"P;fromC", "Q;fromD"}));
  EXPECT_EQ(x.GetOwningSets(), (NameList{"C", "D"}));
}

}  // namespace
}  // namespace ovelin

namespace ovelin {
namespace {

TEST(RootItemIndex, BufferedAdditionsBehaveLikeASortedList) {
  RootItemIndex index;
  ItemList start("root");
  start.Insert(CFileItem("m", "file:///m"));
  index.Reset(start);
  for (const char* path : {"file:///z", "file:///a", "file:///q", "file:///B"}) index.Put(CFileItem("n", path));
  ASSERT_TRUE(index.Find("file:///q"));
  index.Put(CFileItem("renamed", "file:///q"));
  index.Put(CFileItem("renamed", "file:///m"));
  index.Put(CFileItem("", "file:///no-name"));
  EXPECT_EQ(index.Find("file:///q")->GetName(), "renamed");
  EXPECT_TRUE(index.Remove("file:///a"));
  EXPECT_FALSE(index.Remove("file:///a"));
  EXPECT_TRUE(index.Find("file:///z"));  // still found after a removal moved it in the buffer
  EXPECT_EQ(test::Paths(index.List()), (std::vector<std::string>{"file:///B", "file:///m", "file:///q", "file:///z"}));
  EXPECT_EQ(index.List().GetName(), "root");
  EXPECT_EQ(index.Find("file:///m")->GetName(), "renamed");
  EXPECT_TRUE(index.Remove("file:///m"));
  EXPECT_EQ(index.List().size(), 3u);
}

}  // namespace
}  // namespace ovelin

// Property definitions: inheritance, conflicts, adding and removing with the items' values.
#include <gtest/gtest.h>

#include "store_fixture.h"

namespace ovelin {
namespace {

using test::AddItem;
using test::AddSet;
using test::kRoot;

std::vector<std::string> Texts(const DefinitionList& list) {
  std::vector<std::string> texts;
  for (const auto& d : list) texts.push_back(d.ToString());
  return texts;
}

PropertyDefinition Def(const std::string& text) { return *PropertyDefinition::Parse(text); }

class Properties : public ::testing::Test {
 protected:
  void SetUp() override { test::StartFresh(store); }
  CFileSetStore store;
};

TEST_F(Properties, InheritedOwnAndExtendedDefinitions) {
  ASSERT_TRUE(AddSet(store, "A", {}, {"Year;NUMBER;1900;2100;2000", "Kind;STRING;;;x"}));
  ASSERT_TRUE(AddSet(store, "B", {"A"}, {"Kind;STRING;;;y", "Own;STRING;;;"}));
  EXPECT_EQ(Texts(store.GetDefinitions("B")), (std::vector<std::string>{"Year;NUMBER;1900;2100;2000;Parent",
                                                                        "Kind;STRING;;;y;Ext", "Own;STRING;;;;Self"}));
  EXPECT_EQ(Texts(store.GetDefinitions("A")),
            (std::vector<std::string>{"Year;NUMBER;1900;2100;2000;Self", "Kind;STRING;;;x;Self"}));
  EXPECT_TRUE(store.GetDefinitions("Missing").empty());
}

TEST_F(Properties, ConflictingParentsFirstParentWins) {
  ASSERT_TRUE(AddSet(store, "A", {}, {"P;NUMBER;;;0"}));
  ASSERT_TRUE(AddSet(store, "B", {}, {"P;STRING;;;"}));
  ASSERT_TRUE(AddSet(store, "C", {"B", "A"}));
  EXPECT_EQ(Texts(store.GetDefinitions("C")), (std::vector<std::string>{"P;NUMBER;;;0;Parent"}));
  bool conflict = false;
  EXPECT_EQ(Texts(store.CollectDefinitions({"A", "B"}, conflict)), (std::vector<std::string>{"P;NUMBER;;;0;Self"}));
  EXPECT_TRUE(conflict);
  conflict = false;
  store.CollectDefinitions({"A", "C"}, conflict);
  EXPECT_FALSE(conflict);
}

TEST_F(Properties, AddingGivesInitialValueToItemsOfSetAndDescendants) {
  ASSERT_TRUE(AddSet(store, "A"));
  ASSERT_TRUE(AddSet(store, "B", {"A"}));
  ASSERT_TRUE(AddSet(store, "Other"));
  AddItem(store, "A", "a", "file:///a");
  AddItem(store, "B", "b", "file:///b");
  AddItem(store, "Other", "o", "file:///o");
  ASSERT_TRUE(store.SetOwnDefinitions("A", {Def("Size;NUMBER;;;0")}));
  EXPECT_EQ(store.FindItemByPath("file:///a").GetPropertyValue("Size"), "0");
  EXPECT_EQ(store.FindItemByPath("file:///b").GetPropertyValue("Size"), "0");
  EXPECT_EQ(store.FindItemByPath("file:///o").FindPropertyValue("Size"), -1);
  EXPECT_EQ(store.ReadSetItems("B").front().GetPropertyValue("Size"), "0");
  // Reloading from the document gives the same values.
  store.RebuildRootItems();
  EXPECT_EQ(store.FindItemByPath("file:///b").GetPropertyValue("Size"), "0");
}

TEST_F(Properties, ChangingAnInheritedDefinitionMakesItOwnWithoutTouchingItems) {
  ASSERT_TRUE(AddSet(store, "A", {}, {"Size;NUMBER;;;0"}));
  ASSERT_TRUE(AddSet(store, "B", {"A"}));
  AddItem(store, "B", "b", "file:///b", {"Size;3"});
  ASSERT_TRUE(store.SetOwnDefinitions("B", {Def("Size;STRING;1;9;5")}));
  // A newly own element takes the type and bounds of the given definition.
  EXPECT_EQ(Texts(store.GetDefinitions("B")), (std::vector<std::string>{"Size;STRING;1;9;5;Ext"}));
  EXPECT_EQ(store.FindItemByPath("file:///b").GetPropertyValue("Size"), "3");
}

TEST_F(Properties, OmittingOnlyRemovesOwnDefinitions) {
  ASSERT_TRUE(AddSet(store, "A", {}, {"Inherited;STRING;;;"}));
  ASSERT_TRUE(AddSet(store, "B", {"A"}, {"Mine;STRING;;;", "Inherited;STRING;;;z"}));
  ASSERT_TRUE(store.SetOwnDefinitions("B", {}));
  EXPECT_EQ(Texts(store.GetDefinitions("B")), (std::vector<std::string>{"Inherited;STRING;;;z;Ext"}));
}

TEST_F(Properties, BadDefinitionsAreSkipped) {
  ASSERT_TRUE(AddSet(store, "A"));
  ASSERT_TRUE(store.SetOwnDefinitions(
      "A", {Def("bad name;STRING;;;"), Def(";STRING;;;"), Def("NoType;;;;"), Def("Good;STRING;;;")}));
  EXPECT_EQ(Texts(store.GetDefinitions("A")), (std::vector<std::string>{"Good;STRING;;;;Self"}));
  EXPECT_FALSE(store.SetOwnDefinitions("Missing", {}));
  EXPECT_FALSE(PropertyDefinition::Parse("a;b;c;d"));
}

TEST_F(Properties, RemovingReachesDescendantsButKeepsValuesGivenByOtherSets) {
  ASSERT_TRUE(AddSet(store, "A", {}, {"P;STRING;;;"}));
  ASSERT_TRUE(AddSet(store, "B", {"A"}, {"P;STRING;;;own"}));
  ASSERT_TRUE(AddSet(store, "Keep", {}, {"P;STRING;;;"}));
  AddItem(store, "B", "b", "file:///b", {"P;1"});
  AddItem(store, "B", "both", "file:///both", {"P;2"});
  AddItem(store, "Keep", "both", "file:///both", {"P;2"});
  ASSERT_TRUE(store.SetOwnDefinitions("A", {}));
  EXPECT_TRUE(store.GetDefinitions("A").empty());
  EXPECT_TRUE(store.GetDefinitions("B").empty());  // the descendant's own definition goes too
  EXPECT_EQ(store.FindItemByPath("file:///b").FindPropertyValue("P"), -1);
  EXPECT_EQ(store.FindItemByPath("file:///both").GetPropertyValue("P"), "2");
  EXPECT_TRUE(store.ReadSetItems("B").front().GetPropertyValues().empty());
}

TEST_F(Properties, ReparentingRemovesDefinitionsNoLongerInherited) {
  ASSERT_TRUE(AddSet(store, "A", {}, {"P;STRING;;;"}));
  ASSERT_TRUE(AddSet(store, "B", {}, {"Q;STRING;;;q"}));
  ASSERT_TRUE(AddSet(store, "C", {"A"}));
  ASSERT_TRUE(AddSet(store, "D", {"C"}));
  AddItem(store, "D", "d", "file:///d", {"P;1"});
  ASSERT_TRUE(store.SetParents("C", {"B"}));
  EXPECT_EQ(Texts(store.GetDefinitions("D")), (std::vector<std::string>{"Q;STRING;;;q;Parent"}));
  const CFileItem d = store.FindItemByPath("file:///d");
  EXPECT_EQ(d.FindPropertyValue("P"), -1);
  EXPECT_EQ(d.FindPropertyValue("Q"), -1);  // newly inherited definitions give no values
}

TEST_F(Properties, DeletingAParentRemovesWhatOnlyItGave) {
  ASSERT_TRUE(AddSet(store, "A", {}, {"P;STRING;;;"}));
  ASSERT_TRUE(AddSet(store, "B"));
  ASSERT_TRUE(AddSet(store, "C", {"A", "B"}));
  AddItem(store, "C", "c", "file:///c", {"P;1"});
  ASSERT_TRUE(store.DeleteFileSet("A", false));
  EXPECT_TRUE(store.GetDefinitions("C").empty());
  EXPECT_EQ(store.FindItemByPath("file:///c").FindPropertyValue("P"), -1);
}

}  // namespace
}  // namespace ovelin

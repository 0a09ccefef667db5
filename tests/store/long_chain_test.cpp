// Walks over the set graph on a chain of 20,000 sets, far deeper than a call stack
// could follow, and on a parent cycle that only a hand-edited file can hold.
#include <gtest/gtest.h>

#include "store/store_fixture.h"

namespace ovelin {
namespace {

constexpr int kDepth = 20000;
const std::string kDeepItem = "http://example.org/deep";

std::string Link(int index) { return "L" + std::to_string(index); }

// Root "/lib" -> L0 (defines Year) -> L1 -> ... -> L19999, which holds an item;
// built once, read again for each test.
class LongChain : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    CFileSetStore built;
    test::StartFresh(built);
    built.SetStorePath(test::kRoot, "/lib", StorePathKind::UsrDef);
    ASSERT_TRUE(test::AddSet(built, Link(0), {}, {"Year;NUMBER;1900;2100;2000"}));
    for (int i = 1; i < kDepth; ++i) ASSERT_TRUE(test::AddSet(built, Link(i), {Link(i - 1)}));
    test::AddItem(built, Link(kDepth - 1), "deep", kDeepItem, {"Year;2001"});
    xml_ = built.GetXml(false);
  }
  void SetUp() override { ASSERT_TRUE(store.LoadXml(xml_)); }

  static inline std::string xml_;
  CFileSetStore store;
  const std::string deepest = Link(kDepth - 1);
};

TEST_F(LongChain, DefinitionsAndStorePathComeDownTheWholeChain) {
  const DefinitionList definitions = store.GetDefinitions(deepest);
  ASSERT_EQ(definitions.size(), 1u);
  EXPECT_EQ(definitions[0].ToString(), "Year;NUMBER;1900;2100;2000;Parent");
  bool conflict = false;
  EXPECT_EQ(store.CollectDefinitions({Link(7), deepest}, conflict), definitions);

  std::string expected = "/lib";
  for (int i = 0; i < kDepth; ++i) expected += "/" + Link(i);
  EXPECT_TRUE(store.GetEffectiveStorePath(deepest) == expected);
}

TEST_F(LongChain, RemovingTheTopDefinitionReachesTheDeepestItem) {
  ASSERT_TRUE(store.SetOwnDefinitions(Link(0), {}));
  EXPECT_TRUE(store.GetDefinitions(deepest).empty());
  EXPECT_LT(store.FindItemByPath(kDeepItem).FindPropertyValue("Year"), 0);
}

TEST_F(LongChain, DeletingTheTopSetTakesTheWholeChainAndItsItem) {
  ASSERT_TRUE(store.DeleteFileSet(Link(0), false));
  EXPECT_EQ(store.GetFileSetNames(), NameList{test::kRoot});
  EXPECT_TRUE(store.GetChilds(test::kRoot).empty());
  EXPECT_TRUE(store.FindItemByPath(kDeepItem).GetPath().empty());
}

// A and B are each other's only parent; the root names A as its child.
TEST(DamagedGraph, ParentCycleEndsEveryWalk) {
  CFileSetStore store;
  ASSERT_TRUE(store.LoadXml(
      "<AllSets Version=\"1.50\"><EntitySets RootName=\"R\">"
      "<FileSet><Name>R</Name><StorePath Type=\"UsrDef\">/r</StorePath><Elements/><Childs>A</Childs><Parents/>"
      "<ItemPropertys/></FileSet>"
      "<FileSet><Name>A</Name><StorePath Type=\"ExParent\">B</StorePath><Elements/><Childs>B</Childs>"
      "<Parents>B</Parents><ItemPropertys><Property Name=\"a\" Type=\"STRING\" Min=\"\" Max=\"\" InitValue=\"\"/>"
      "</ItemPropertys></FileSet>"
      "<FileSet><Name>B</Name><StorePath Type=\"ExParent\">A</StorePath><Elements/><Childs>A</Childs>"
      "<Parents>A</Parents><ItemPropertys><Property Name=\"b\" Type=\"STRING\" Min=\"\" Max=\"\" InitValue=\"\"/>"
      "</ItemPropertys></FileSet></EntitySets><ViewSetRoot/><SysConfig/></AllSets>"));
  // B's walk meets A again while A is being worked out: A counts as having none there.
  EXPECT_EQ(store.GetDefinitions("A").size(), 2u);
  EXPECT_EQ(store.GetEffectiveStorePath("A"), "/B/A");
  ASSERT_TRUE(store.DeleteFileSet("A", false));
  EXPECT_EQ(store.GetFileSetNames(), NameList{"R"});
}

}  // namespace
}  // namespace ovelin

// The places of a set in the set graph: its paths from the root set.
#include <gtest/gtest.h>

#include <string>

#include "store_fixture.h"

namespace ovelin {
namespace {

using test::AddSet;
using test::kRoot;

class SetPaths : public ::testing::Test {
 protected:
  void SetUp() override { test::StartFresh(store); }
  CFileSetStore store;
};

TEST_F(SetPaths, OnePathPerChainOfParents) {
  ASSERT_TRUE(AddSet(store, "Work"));
  ASSERT_TRUE(AddSet(store, "Home"));
  ASSERT_TRUE(AddSet(store, "Tax", {"Work", "Home"}));
  ASSERT_TRUE(AddSet(store, "Receipts", {"Tax"}));
  EXPECT_EQ(store.GetPathsFromRoot(kRoot), NameList{"/" + kRoot});
  EXPECT_EQ(store.GetPathsFromRoot("Work"), NameList{"/" + kRoot + "/Work"});
  EXPECT_EQ(store.GetPathsFromRoot("Receipts"),
            (NameList{"/" + kRoot + "/Home/Tax/Receipts", "/" + kRoot + "/Work/Tax/Receipts"}));
  EXPECT_TRUE(store.GetPathsFromRoot("Nothing").empty());
  EXPECT_TRUE(store.GetPathsFromRoot("").empty());
}

TEST_F(SetPaths, ParentCycleOfDamagedFileIsNotFollowedRound) {
  ASSERT_TRUE(AddSet(store, "A"));
  ASSERT_TRUE(AddSet(store, "B", {"A"}));
  ASSERT_TRUE(AddSet(store, "C", {"B"}));
  // A hand-edited file makes C a parent of A as well.
  store.FindFileSet("A").child("Parents").text().set(("C;" + kRoot).c_str());
  EXPECT_EQ(store.GetPathsFromRoot("C"), NameList{"/" + kRoot + "/A/B/C"});
  EXPECT_EQ(store.GetPathsFromRoot("A"), NameList{"/" + kRoot + "/A"});
}

TEST_F(SetPaths, DiamondLadderIsBounded) {
  // Every rung has two sets, each a child of both sets of the rung above: 2^20 paths to the bottom.
  NameList above{kRoot};
  for (int rung = 0; rung < 20; ++rung) {
    NameList here{"L" + std::to_string(rung), "R" + std::to_string(rung)};
    for (const auto& name : here) ASSERT_TRUE(AddSet(store, name, above));
    above = here;
  }
  const NameList paths = store.GetPathsFromRoot("L19");
  EXPECT_EQ(paths.size(), 10000u);
  EXPECT_EQ(paths.front().rfind("/" + kRoot + "/L0/L1/", 0), 0u);
}

}  // namespace
}  // namespace ovelin

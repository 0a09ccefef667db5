// The places of a set in the set graph: its paths from the root set.
#include <gtest/gtest.h>

#include <cstdint>
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
  EXPECT_EQ(store.CountPathsFromRoot("Receipts"), 2u);
  EXPECT_EQ(store.CountPathsFromRoot(kRoot), 1u);
  EXPECT_EQ(store.CountPathsFromRoot("Nothing"), 0u);
}

TEST_F(SetPaths, ParentCycleOfDamagedFileIsNotFollowedRound) {
  ASSERT_TRUE(AddSet(store, "A"));
  ASSERT_TRUE(AddSet(store, "B", {"A"}));
  ASSERT_TRUE(AddSet(store, "C", {"B"}));
  // A hand-edited file makes C a parent of A as well.
  store.FindFileSet("A").child("Parents").text().set(("C;" + kRoot).c_str());
  EXPECT_EQ(store.GetPathsFromRoot("C"), NameList{"/" + kRoot + "/A/B/C"});
  EXPECT_EQ(store.GetPathsFromRoot("A"), NameList{"/" + kRoot + "/A"});
  EXPECT_EQ(store.CountPathsFromRoot("C"), 1u);
}

TEST_F(SetPaths, DiamondLadderIsBoundedAndCounted) {
  // Every rung has two sets, each a child of both sets of the rung above: 2^k paths to rung k.
  NameList above{kRoot};
  for (int rung = 0; rung < 70; ++rung) {
    NameList here{"L" + std::to_string(rung), "R" + std::to_string(rung)};
    for (const auto& name : here) ASSERT_TRUE(AddSet(store, name, above));
    above = here;
  }
  const NameList paths = store.GetPathsFromRoot("L19");
  EXPECT_EQ(paths.size(), 10000u);
  EXPECT_EQ(paths.front().rfind("/" + kRoot + "/L0/L1/", 0), 0u);
  const NameList first = store.GetPathsFromRoot("R69", 3);
  ASSERT_EQ(first.size(), 3u);
  EXPECT_EQ(first.front().rfind("/" + kRoot + "/L0/L1/", 0), 0u);
  EXPECT_EQ(store.CountPathsFromRoot("L19"), size_t{1} << 19);
  EXPECT_EQ(store.CountPathsFromRoot("R69"), SIZE_MAX);  // 2^69 saturates
}

}  // namespace
}  // namespace ovelin

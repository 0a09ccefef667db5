// Placing an item and importing a template over set graphs that a recursive walk
// could not get through: a long chain and a ladder of diamonds.
#include <gtest/gtest.h>

#include "filing/property_placement.h"
#include "filing/templates.h"
#include "filing_fixture.h"

namespace ovelin {
namespace {

std::string Link(int index) { return "L" + std::to_string(index); }

using LongChainFiling = test::FilingTest;

TEST_F(LongChainFiling, PlacingIntoTheTopLandsInTheDeepestSet) {
  constexpr int kDepth = 20000;
  AddSet(Link(0), {}, {"Year;NUMBER;1900;2100;2000"});
  for (int i = 1; i < kDepth; ++i) AddSet(Link(i), {Link(i - 1)});
  CFileItem values;
  values.AppendPropertyEntry("Year;");
  EXPECT_EQ(PlaceItem(store, Link(0), values).sets, NameList{Link(kDepth - 1)});
  EXPECT_EQ(values.GetPropertyValue("Year"), "2000");
}

// Each rung's two sets are children of both sets of the rung above: 2^40 paths
// lead to the bottom rung, which a walk along every path would never finish.
TEST_F(LongChainFiling, DiamondLadderIsPlacedSetBySet) {
  constexpr int kRungs = 40;
  AddSet("Top", {}, {"Year;NUMBER;1900;2100;2000"});
  NameList above{"Top"};
  for (int rung = 0; rung < kRungs; ++rung) {
    const NameList here{"a" + std::to_string(rung), "b" + std::to_string(rung)};
    for (const auto& name : here) AddSet(name, above);
    above = here;
  }
  CFileItem values;
  values.AppendPropertyEntry("Year;2001");
  EXPECT_EQ(PlaceItem(store, "Top", values).sets, above);
}

TEST_F(LongChainFiling, TemplateOfALongChainImports) {
  constexpr int kDepth = 5000;
  AddSet(Link(0), {}, {"Year;NUMBER;1900;2100;2000"});
  for (int i = 1; i < kDepth; ++i) {
    AddSet(Link(i), {Link(i - 1)},
           i % 1000 == 0 ? std::vector<std::string>{"P" + Link(i) + ";STRING;;;x"} : std::vector<std::string>{});
  }
  const std::string tpl = temp / "chain.tpl";
  ASSERT_TRUE(ExportTemplate(store, tpl, ""));

  CFileSetStore target;
  target.CreateStarterDocument();
  target.SetStorePath(test::kRootSet, storeRoot, StorePathKind::UsrDef);
  ASSERT_TRUE(target.SaveTo(temp / "target.db"));
  ASSERT_TRUE(ImportTemplate(target, tpl));
  const std::string deepest = Link(kDepth - 1);
  EXPECT_EQ(target.GetParents(deepest), NameList{Link(kDepth - 2)});
  EXPECT_EQ(target.GetDefinitions(deepest), store.GetDefinitions(deepest));
  EXPECT_TRUE(target.GetEffectiveStorePath(deepest) == store.GetEffectiveStorePath(deepest));
}

}  // namespace
}  // namespace ovelin

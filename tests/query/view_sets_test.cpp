// The checked view set operations, their saves, and view sets that lead back to themselves.
#include <gtest/gtest.h>

#include <cstdlib>

#include "query/expression_evaluator.h"
#include "query/query_test_store.h"
#include "query/view_set_references.h"
#include "query/view_sets.h"
#include "support/test_support.h"

namespace ovelin {
namespace {

class ViewSets : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("OVELIN_MACHINE_ID", "0a1b2c3d4e5f", 0);
    ASSERT_TRUE(store_->SaveTo(dataFile_));
  }

  // The view sets as a fresh load of the data file sees them.
  std::vector<std::pair<std::string, std::string>> Saved() {
    CFileSetStore reloaded;
    EXPECT_TRUE(reloaded.Load(dataFile_));
    std::vector<std::pair<std::string, std::string>> views;
    for (const auto& name : ListViewSetNames(reloaded)) views.emplace_back(name, GetViewSetExpression(reloaded, name));
    return views;
  }

  test::TempDir dir_;
  std::string dataFile_ = dir_ / "AllSets.db";
  std::unique_ptr<CFileSetStore> store_ = test::MakeSampleStore();
  using Views = std::vector<std::pair<std::string, std::string>>;
  const Views initial_ = {{"Cond", "A Size>5"}, {"E", "#空集#"}, {"V", "A+B"}, {"W", "A"}};
};

TEST_F(ViewSets, AddChecksNameAndExpressionThenSaves) {
  EXPECT_TRUE(AddViewSet(*store_, "New", "A Size>1-B"));
  EXPECT_EQ(GetViewSetExpression(*store_, "New"), "A Size>1-B");  // as entered, not normalised
  Views expected = initial_;
  expected.insert(expected.begin() + 2, {"New", "A Size>1-B"});
  EXPECT_EQ(Saved(), expected);

  const struct {
    std::string name;
    std::string expression;
    std::string_view code;
  } refused[] = {
      {"", "A", "name-empty"},
      {"A", "B", "name-used-by-set"},
      {"V", "B", "name-used-by-view-set"},
      {"Bad", "A+", "operand-missing-at-end"},
      {"Bad", "Unknown", "unknown-name"},
      {"Bad", "", "expression-empty"},
      {"Self", "Self+A", "unknown-name"},  // the name does not exist while the expression is checked
  };
  for (const auto& c : refused) {
    const CheckResult added = AddViewSet(*store_, c.name, c.expression);
    EXPECT_EQ(added.Message(), MessageId::AddViewSetFailed) << c.name;
    EXPECT_EQ(added.Code(), c.code) << c.name;
  }
  for (char c : std::string("<>/\\|;:\"?.+-() ^")) {
    EXPECT_EQ(AddViewSet(*store_, std::string("x") + c + "y", "A").Code(), "name-illegal") << c;
  }
  EXPECT_EQ(Saved(), expected);
  EXPECT_EQ(ViewSetNameExists(*store_, "New").isViewSet, true);
  EXPECT_EQ(ViewSetNameExists(*store_, "A").isViewSet, false);
  EXPECT_TRUE(ViewSetNameExists(*store_, "A").used);
}

TEST_F(ViewSets, UpdateRefusesBadAndSelfReferringExpressions) {
  ASSERT_TRUE(AddViewSet(*store_, "Outer", "V+C"));
  EXPECT_EQ(UpdateViewSetExpression(*store_, "Missing", "A").Code(), "unknown-view-set");
  EXPECT_EQ(UpdateViewSetExpression(*store_, "V", "A+").Code(), "operand-missing-at-end");
  const CheckResult itself = UpdateViewSetExpression(*store_, "V", "V+A");
  EXPECT_EQ(itself.Message(), MessageId::ViewExpressionError);
  EXPECT_EQ(itself.Code(), "view-set-cycle");
  EXPECT_EQ(UpdateViewSetExpression(*store_, "V", "Outer^A").Code(), "view-set-cycle");  // back through Outer
  EXPECT_EQ(GetViewSetExpression(*store_, "V"), "A+B");

  EXPECT_TRUE(UpdateViewSetExpression(*store_, "V", "B"));
  EXPECT_EQ(EvaluateExpression(*store_, "Outer")->normalized, "(B+C)");
  EXPECT_EQ(Saved()[3], (std::pair<std::string, std::string>{"V", "B"}));
}

TEST_F(ViewSets, RenameAndDelete) {
  ASSERT_TRUE(AddViewSet(*store_, "Outer", "V+C"));
  EXPECT_EQ(RenameViewSet(*store_, "V", "").Code(), "name-empty");
  EXPECT_EQ(RenameViewSet(*store_, "V", "A").Code(), "name-used-by-set");
  EXPECT_EQ(RenameViewSet(*store_, "V", "W").Code(), "name-used-by-view-set");
  EXPECT_EQ(RenameViewSet(*store_, "V", "a b").Code(), "name-illegal");
  EXPECT_EQ(RenameViewSet(*store_, "Missing", "Fresh").Code(), "unknown-view-set");
  EXPECT_TRUE(RenameViewSet(*store_, "V", "V"));  // no change

  EXPECT_TRUE(RenameViewSet(*store_, "V", "Both"));
  EXPECT_EQ(GetViewSetExpression(*store_, "Both"), "A+B");
  EXPECT_EQ(GetViewSetExpression(*store_, "Outer"), "Both+C");  // follows the rename
  EXPECT_TRUE(EvaluateExpression(*store_, "Outer"));

  EXPECT_EQ(DeleteViewSet(*store_, "Missing").Code(), "unknown-view-set");
  EXPECT_TRUE(DeleteViewSet(*store_, "W"));
  EXPECT_FALSE(GetItemsByName(*store_, "W"));
  EXPECT_EQ(Saved(), (Views{{"Both", "A+B"}, {"Cond", "A Size>5"}, {"E", "#空集#"}, {"Outer", "Both+C"}}));
}

TEST(ViewSetReferences, RenameRewritesOperandNamesOnly) {
  const struct {
    const char* expression;
    const char* renamed;
  } cases[] = {
      {"A", "New"},
      {"A+B", "New+B"},
      {"(A)^AB-BA", "(New)^AB-BA"},            // names containing the name stay
      {" A Size>5 -B", " New Size>5 -B"},      // conditions stay
      {"B Name=\"A\"+A", "B Name=\"A\"+New"},  // a quoted value is not a name
      {"A A>1", "New A>1"},                    // a property of the same name stays
      {"((A))^(B+A)", "((New))^(B+New)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RenameInExpression(c.expression, "A", "New"), c.renamed) << c.expression;
    EXPECT_TRUE(ExpressionNames(c.expression, "A")) << c.expression;
  }
  EXPECT_FALSE(ExpressionNames("AB+B Name=\"A\"", "A"));
}

TEST_F(ViewSets, RenamesAndRemovalsFollowThroughViewSets) {
  ASSERT_TRUE(AddViewSet(*store_, "Outer", "V+A Size>1"));
  EXPECT_EQ(ViewSetsReferring(*store_, "A"), (NameList{"Cond", "Outer", "V", "W"}));
  EXPECT_EQ(ViewSetsReferring(*store_, "V"), NameList{"Outer"});
  ASSERT_TRUE(RenameFileSetWithReferences(*store_, "A", "Alpha"));
  ASSERT_TRUE(store_->Save());
  EXPECT_EQ(
      Saved(),
      (Views{
          {"Cond", "Alpha Size>5"}, {"E", "#空集#"}, {"Outer", "V+Alpha Size>1"}, {"V", "Alpha+B"}, {"W", "Alpha"}}));
  EXPECT_FALSE(RenameFileSetWithReferences(*store_, "Alpha", "B"));  // taken: nothing changes
  EXPECT_EQ(GetViewSetExpression(*store_, "W"), "Alpha");
}

TEST_F(ViewSets, QuickViewSet) {
  EXPECT_EQ(QuickViewSetName("A"), "A的快捷");
  EXPECT_TRUE(AddQuickViewSet(*store_, "A"));
  EXPECT_EQ(GetViewSetExpression(*store_, "A的快捷"), "A");
  EXPECT_FALSE(AddQuickViewSet(*store_, "A"));
  EXPECT_FALSE(AddQuickViewSet(*store_, "Unknown"));
}

TEST_F(ViewSets, FailedSaveIsReported) {
  CFileSetStore unsaved;
  ASSERT_TRUE(unsaved.LoadXml(test::BuildLibraryXml({{"R", {}, {}, {}}}, {})));
  EXPECT_EQ(AddViewSet(unsaved, "New", "R").Code(), "save-failed");  // no data file to write
}

TEST(ViewSetCycles, FailInsteadOfRecursing) {
  std::vector<test::ViewSpec> views = {{"Self", "Self+A"},  {"Loop1", "A^Loop2"}, {"Loop2", "(Loop1)"},
                                       {"Uses", "A+Loop1"}, {"Fine", "A-B"},      {"Twice", "Fine+Fine"}};
  // A chain of view sets each naming the next: deep but finite nesting.
  for (int i = 0; i < 80; ++i) views.push_back({"Chain" + std::to_string(i), "Chain" + std::to_string(i + 1)});
  views.push_back({"Chain80", "A"});
  auto store = test::MakeSampleStore(views);

  for (const char* expression : {"Self", "Loop1", "Loop2", "Uses", "B+Uses", "Chain0"}) {
    EXPECT_FALSE(EvaluateExpression(*store, expression)) << expression;
  }
  EXPECT_FALSE(GetItemsByName(*store, "Self"));
  EXPECT_EQ(EvaluateExpression(*store, "Twice")->normalized, "((A-B)+(A-B))");  // used twice, not a cycle
  EXPECT_EQ(EvaluateExpression(*store, "Chain30")->normalized, "A");
}

}  // namespace
}  // namespace ovelin

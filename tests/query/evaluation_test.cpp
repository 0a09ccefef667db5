// Evaluating expressions against the sample library: normalised texts, selected
// items, failures, grouping and positive leaves.
#include <gtest/gtest.h>

#include "query/expression_evaluator.h"
#include "query/item_set_ops.h"
#include "query/query_test_store.h"

namespace ovelin {
namespace {

using test::Paths;

class Evaluation : public ::testing::Test {
 protected:
  std::unique_ptr<CFileSetStore> store_ = test::MakeSampleStore();

  EvaluationResult Eval(std::string_view expression) {
    auto result = EvaluateExpression(*store_, expression);
    EXPECT_TRUE(result) << expression;
    return result.value_or(EvaluationResult{});
  }
};

TEST_F(Evaluation, NormalisedText) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"A-B+C", "A-B+C"},
      {"A+B^C", "A+B^C"},
      {"A^(B+C)", "A^(B+C)"},
      {"(A)", "A"},
      {"((A))", "A"},
      {"(A Size>5)", "(A Size>5)"},
      {"(A)+B", "A+B"},
      {"A + B", "A + B"},
      {"(A + B) ^ C", "(A + B)^ C"},
      {"A-A", "#空集#"},
      {"A+A", "A"},
      {"A^A", "A"},
      {"Pc+P", "P"},
      {"P+Pc", "P"},
      {"Pc^P", "Pc"},
      {"Pcc^P", "Pcc"},
      {"Pc-P", "#空集#"},
      {"P-Pc", "P-Pc"},
      {"(A-B)^C", "(A^C-B)"},
      {"C^(A-B)", "(A^C-B)"},
      {"C+(A-B)", "C+(A-B)"},
      {"(A+B-C)^P", "((A+B)^P-C)"},  // the lifted union keeps its meaning
      {"P^(A-B-C)", "(A^P-B-C)"},
      {"A Size>5^A", "A Size>5"},
      {"A^A Size>5", "A Size>5"},
      {"A Size>5^A Size>=3", "A Size>5"},
      {"A Size>=5-A Size>5", "A Size>=5-A Size>5"},
      {"A Size!=5^A Size!=5", "A Size!=5"},
      {"(A+B)+C", "A+B+C"},
      {"A+(B+A)", "B+A"},
      {"(A^B)^(B^C)", "A^B^C"},
      {"V^C", "(A+B)^C"},
      {"W+C", "A+C"},
      {"V", "(A+B)"},
      {"Cond", "(A Size>5)"},
      {"Cond^A", "(A Size>5)"},
      {"E", "#空集#"},
      {"E+C", "C"},
      {"C-E", "C"},
      {"C-(A-A)", "C"},
      {"#空集#", "#空集#"},
  };
  for (const auto& [expression, normalized] : cases) EXPECT_EQ(Eval(expression).normalized, normalized) << expression;
}

TEST_F(Evaluation, SelectedItems) {
  const std::string a1 = "file:///a/1", a2 = "file:///a/2", a3 = "file:///a/3", a4 = "file:///a/4";
  const std::string shared = "file:///shared", b1 = "file:///b/1", c1 = "file:///c/1", big = "file:///B";
  const std::string p1 = "file:///p/1", pc1 = "file:///p/c/1", pcc1 = "file:///p/c/c/1";
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"A", {a1, a2, a3, a4, shared}},
      {"P", {p1, pc1, pcc1, shared}},
      {"A^B", {shared}},
      {"A-B", {a1, a2, a3, a4}},
      {"A-B+C", {big, a1, a2, a3, a4, c1}},
      {"A-(B+C)", {a1, a2, a3, a4}},
      {"B+A^C", {b1, shared}},
      {"(B+A)^C", {}},
      {"A-A", {}},
      {"A Size>5", {a3}},
      {"A Size>=5", {a2, a3}},
      {"A Size>4-A Size>5", {a2}},
      {"A Size!=5", {a1, a3, a4, shared}},
      {"A 5>Size>1", {a1, shared}},
      {"A Size<=0", {a4}},
      {"A Author<\"M\"", {a1, a3, a4}},
      {"A Author>=\"Mia\" Size>4", {a2}},
      {"V", {a1, a2, a3, a4, b1, shared}},
      {"V-A", {b1}},
      {"Cond+B", {a3, b1, shared}},
      {"E", {}},
      {"#空集#", {}},
      {"R-A-B-C-P", {}},
  };
  for (const auto& [expression, paths] : cases) EXPECT_EQ(Paths(Eval(expression).items), paths) << expression;
}

TEST_F(Evaluation, ItemsCarryTheSetsTheyWereFoundIn) {
  auto result = Eval("P");
  const CFileItem* shared = result.items.Find("file:///shared");
  ASSERT_TRUE(shared);
  EXPECT_EQ(shared->GetOwningSets(), (NameList{"Pc"}));

  result = Eval("A+B");
  shared = result.items.Find("file:///shared");
  ASSERT_TRUE(shared);
  EXPECT_EQ(shared->GetOwningSets(), (NameList{"A", "B"}));
  EXPECT_EQ(shared->GetPropertyValue("Size"), "3");

  result = Eval("R");
  ASSERT_TRUE(result.items.Find("file:///shared"));
  EXPECT_EQ(result.items.Find("file:///shared")->GetOwningSets(), (NameList{"A", "B", "Pc"}));
  EXPECT_EQ(result.items.size(), 11u);
}

TEST_F(Evaluation, Failures) {
  const std::vector<std::string> cases = {
      "",
      "   ",
      "A+",
      "+A",
      "A++B",
      "A^-B",
      "(A",
      "A)",
      "(A))",
      "()",
      "( )",
      "(A)(B)",
      "A(B)",
      "(A)B",
      "A+()",
      "Unknown",
      "A+Unknown",
      "A Size>-5",
      "A Name=\"a\"b\"",
      "A 1<Size>5",
      "A Undefined>5",
      "B Size>5",      // B defines no Size
      "A Size>\"5\"",  // quoted value against a NUMBER property
      "A Author>M",    // unquoted value against a STRING property
      "#空集#+A",      // the empty set is only valid as the whole text
      "V Size>5",      // a view set has no property definitions
      "A \"Size\">5",
      "A^",
  };
  for (const auto& expression : cases) {
    SyntaxTree tree;
    EXPECT_FALSE(EvaluateExpression(*store_, expression, &tree)) << expression;
    EXPECT_FALSE(tree) << expression;
  }
}

TEST_F(Evaluation, ResultOrderIsUtf16CodeUnits) {
  auto result = Eval("C");
  EXPECT_EQ(Paths(result.items), (std::vector<std::string>{"file:///B", "file:///c/1"}));
  // U+FF5E (3 bytes in UTF-8) sorts after U+1F600 (a surrogate pair in UTF-16).
  auto store =
      test::MakeStore({{"R", {}, {{"x", "file:///\xEF\xBD\x9E", {}}, {"y", "file:///\xF0\x9F\x98\x80", {}}}, {}}});
  auto both = EvaluateExpression(*store, "R");
  ASSERT_TRUE(both);
  EXPECT_EQ(Paths(both->items), (std::vector<std::string>{"file:///\xF0\x9F\x98\x80", "file:///\xEF\xBD\x9E"}));
}

TEST_F(Evaluation, TreeHandedToCaller) {
  SyntaxTree tree;
  ASSERT_TRUE(EvaluateExpression(*store_, "(A-B)^C", &tree));
  ASSERT_TRUE(tree);
  EXPECT_EQ(tree->text, "(A^C-B)");
  EXPECT_EQ(tree->op, "-");
  ASSERT_TRUE(tree->left);
  EXPECT_EQ(tree->left->op, "^");
  EXPECT_EQ(tree->left->parent, tree.get());
  EXPECT_EQ(tree->left->left->text, "A");
  EXPECT_EQ(tree->left->left->parent, tree->left.get());
}

TEST_F(Evaluation, PositiveLeavesAndGrouping) {
  struct Case {
    std::string expression;
    std::vector<std::string> leaves;
    std::vector<std::string> grouping;
  };
  const std::vector<Case> cases = {
      {"P", {"P"}, {"P:Pc"}},
      {"A", {"A"}, {}},
      {"A-P", {"A"}, {}},
      {"P-A", {"P"}, {"P:Pc"}},
      {"A+B^C", {"A", "B", "C"}, {"A+B^C:A;B^C"}},
      {"(A+Pc)^P", {"A", "Pc", "P"}, {"(A+Pc):A;Pc", "P:Pc"}},
      {"C^(A Size>5+B)", {"C", "A Size>5", "B"}, {"(A Size>5+B):A;B"}},
      {"R-A", {"R"}, {"R:A;B;C;P"}},
      {"(A-B)^C", {"A", "C"}, {}},
      {"A-A", {}, {}},
      {"#空集#", {}, {}},
  };
  for (const auto& c : cases) {
    const auto result = Eval(c.expression);
    EXPECT_EQ(result.positiveLeaves, c.leaves) << c.expression;
    EXPECT_EQ(result.grouping, c.grouping) << c.expression;
  }
}

TEST_F(Evaluation, GetItemsByName) {
  auto a = GetItemsByName(*store_, "A");
  ASSERT_TRUE(a);
  EXPECT_EQ(a->GetName(), "A");
  EXPECT_EQ(a->size(), 5u);

  SyntaxTree tree;
  auto v = GetItemsByName(*store_, "V", &tree);
  ASSERT_TRUE(v);
  EXPECT_EQ(v->size(), 6u);
  ASSERT_TRUE(tree);
  EXPECT_EQ(tree->text, "(A+B)");

  EXPECT_FALSE(GetItemsByName(*store_, "Unknown"));
  EXPECT_FALSE(GetItemsByName(*store_, ""));
  auto e = GetItemsByName(*store_, "E");
  ASSERT_TRUE(e);
  EXPECT_TRUE(e->empty());
}

TEST(EmptySetName, ASetSoNamedIsAnOrdinarySet) {
  // The name rule allows "#空集#" for a set; only the whole text means the empty set.
  auto store = test::MakeStore(
      {{"R", {}, {}, {}}, {"#空集#", {"R"}, {{"x", "file:///x", {}}}, {}}, {"A", {"R"}, {{"y", "file:///y", {}}}, {}}});
  auto both = EvaluateExpression(*store, "#空集#+A");
  ASSERT_TRUE(both);
  EXPECT_EQ(both->normalized, "#空集#+A");
  EXPECT_EQ(Paths(both->items), (std::vector<std::string>{"file:///x", "file:///y"}));
  EXPECT_EQ(EvaluateExpression(*store, "A-#空集#")->normalized, "A-#空集#");
  EXPECT_TRUE(EvaluateExpression(*store, "#空集#")->items.empty());
}

TEST(ItemSetOps, MergesKeepOrderAndFoundInSets) {
  auto item = [](std::string path, std::string set, std::string value) {
    CFileItem result(path, path);
    result.AddOwningSet(set);
    if (!value.empty()) result.SetPropertyValue("N", value);
    return result;
  };
  ItemList left("L");
  ItemList right("R");
  for (auto path : {"b", "d", "f"}) left.Insert(item(path, "L", "1"));
  for (auto path : {"a", "d", "g"}) right.Insert(item(path, "R", path == std::string("d") ? "2" : ""));

  const ItemList both = UnionItems(left, right);
  EXPECT_EQ(both.GetName(), "L+R");
  EXPECT_EQ(Paths(both), (std::vector<std::string>{"a", "b", "d", "f", "g"}));
  EXPECT_EQ(both.Find("d")->GetOwningSets(), (NameList{"L", "R"}));
  EXPECT_EQ(both.Find("d")->GetPropertyValue("N"), "2");

  const ItemList common = IntersectItems(left, right);
  EXPECT_EQ(common.GetName(), "L^R");
  EXPECT_EQ(Paths(common), (std::vector<std::string>{"d"}));
  EXPECT_EQ(common.Find("d")->GetOwningSets(), (NameList{"L", "R"}));
  EXPECT_EQ(common.Find("d")->GetPropertyValue("N"), "1");

  const ItemList rest = SubtractItems(left, right);
  EXPECT_EQ(rest.GetName(), "L-R");
  EXPECT_EQ(Paths(rest), (std::vector<std::string>{"b", "f"}));
  EXPECT_FALSE(ApplyOperator(left, '*', right));
}

}  // namespace
}  // namespace ovelin

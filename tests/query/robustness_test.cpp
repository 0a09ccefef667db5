// Hostile and runaway input: deep nesting, long texts, garbage, odd names and
// view sets that multiply; each must evaluate or fail cleanly, and quickly.
#include <gtest/gtest.h>

#include <random>

#include "query/expression_evaluator.h"
#include "query/expression_limits.h"
#include "query/query_test_store.h"

namespace ovelin {
namespace {

std::string Repeat(std::string_view piece, size_t count) {
  std::string text;
  text.reserve(piece.size() * count);
  for (size_t i = 0; i < count; ++i) text += piece;
  return text;
}

class Robustness : public ::testing::Test {
 protected:
  std::unique_ptr<CFileSetStore> store_ = test::MakeSampleStore();
};

TEST_F(Robustness, DeepParenthesesEvaluateWithoutRecursion) {
  const size_t depth = 10000;
  auto bare = EvaluateExpression(*store_, Repeat("(", depth) + "A" + Repeat(")", depth));
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->normalized, "A");
  EXPECT_EQ(bare->items.size(), 5u);

  // Each group around an operation keeps its parentheses.
  auto nested = EvaluateExpression(*store_, Repeat("(", depth) + "A-B" + Repeat(")", depth));
  ASSERT_TRUE(nested);
  EXPECT_EQ(nested->normalized.size(), 3 + 2 * depth);

  // Right-nested differences: a tree as deep as it has operands.
  std::string chain;
  for (int i = 0; i < 2000; ++i) chain += (i % 2 ? "B-(" : "A-(");
  chain += "C" + Repeat(")", 2000);
  auto deep = EvaluateExpression(*store_, chain);
  ASSERT_TRUE(deep);
  EXPECT_EQ(deep->items.size(), 4u);  // A-(B-(A-(...))) is A minus B's share

  // A left-deep chain of differences intersected: the difference is lifted at every level.
  auto lifted = EvaluateExpression(*store_, "(A" + Repeat("-B-C", 1000) + ")^A Size>1");
  ASSERT_TRUE(lifted);
  EXPECT_EQ(lifted->normalized.substr(0, 14), "(A Size>1-B-C-");
  EXPECT_EQ(lifted->items.size(), 3u);

  for (const std::string& bad :
       {Repeat("(", depth), Repeat(")", depth), Repeat("(", depth) + "A" + Repeat(")", depth - 1)}) {
    EXPECT_FALSE(EvaluateExpression(*store_, bad));
  }
}

TEST_F(Robustness, LongTextsFailOrEvaluate) {
  EXPECT_FALSE(EvaluateExpression(*store_, Repeat("A", kMaxExpressionLength + 1)));
  EXPECT_FALSE(EvaluateExpression(*store_, Repeat("Q", 60000)));  // an unknown name
  EXPECT_FALSE(EvaluateExpression(*store_, "A Author=\"" + Repeat("x", 1 << 20) + "\""));

  // More operands than one evaluation may read.
  EXPECT_FALSE(EvaluateExpression(*store_, "A" + Repeat("+A", kMaxOperandEvaluations)));
  EXPECT_FALSE(EvaluateExpression(*store_, "A" + Repeat("-B-A", kMaxOperandEvaluations / 2)));

  // A long chain within the bounds: the left-deep tree is simplified and evaluated.
  auto unions = EvaluateExpression(*store_, "A" + Repeat("+B+C+A", 500));
  ASSERT_TRUE(unions);
  EXPECT_EQ(unions->normalized, "B+C+A");
  auto differences = EvaluateExpression(*store_, "R" + Repeat("-B-C", 500));
  ASSERT_TRUE(differences);
  EXPECT_EQ(differences->items.size(), 7u);
}

TEST_F(Robustness, GarbageFailsCleanly) {
  const std::vector<std::string> cases = {
      "\"",
      "A\"",
      "A Size>\"5",
      "+-^",
      Repeat("+-^()", 2000),
      "A Size>>5",
      "A <>",
      "A Size=\"a\"\"",
      "A 1<Size<2<3",
      "\"A\"",
      "A ))((",
      "A Size!",
      "A\tB",
      std::string("A\0B", 3),
      "\xff\xfe",
      "A Size>5 Size<",
  };
  for (const auto& expression : cases) EXPECT_FALSE(EvaluateExpression(*store_, expression)) << expression;

  // Random texts over the characters that mean something; none may crash or hang.
  std::mt19937 random(12345);
  const std::string alphabet = "AB()+-^ \"<>=!5PcR#";
  for (int i = 0; i < 3000; ++i) {
    std::string text(random() % 24, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    (void)EvaluateExpression(*store_, text);
  }
}

TEST_F(Robustness, NamesWithXPathCharacters) {
  const std::string odd = "it's[1]*@$=!,'\"";
  auto store = test::MakeStore({{"R", {}, {}, {}}, {"o'k]", {"R"}, {{"x", "file:///x", {}}}, {}}}, {{"v[1]'", "o'k]"}});
  auto set = EvaluateExpression(*store, "o'k]");
  ASSERT_TRUE(set);
  EXPECT_EQ(set->items.size(), 1u);
  auto view = EvaluateExpression(*store, "v[1]'+R");
  ASSERT_TRUE(view);
  EXPECT_EQ(view->normalized, "R");
  for (const std::string& name : {odd, std::string("a']|//*['"), std::string("*"), std::string("@Name"),
                                  std::string(".."), std::string("$name"), std::string("]")}) {
    EXPECT_FALSE(EvaluateExpression(*store, name)) << name;
    EXPECT_FALSE(GetItemsByName(*store, name)) << name;
  }
}

TEST(RobustnessViewSets, MultiplyingViewSetsHitTheBound) {
  // Each view set names the previous one twice: 2^30 operands if nothing stopped it.
  std::vector<test::ViewSpec> views = {{"M0", "A-B"}};
  for (int i = 1; i <= 30; ++i) {
    const std::string previous = "M" + std::to_string(i - 1);
    views.push_back({"M" + std::to_string(i), previous + "+C-" + previous});
  }
  auto store = test::MakeSampleStore(views);
  EXPECT_TRUE(EvaluateExpression(*store, "M5"));
  EXPECT_FALSE(EvaluateExpression(*store, "M30"));
  EXPECT_FALSE(GetItemsByName(*store, "M30"));
}

}  // namespace
}  // namespace ovelin

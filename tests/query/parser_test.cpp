// Tokens, condition words and operand tokens.
#include <gtest/gtest.h>

#include "query/operand.h"
#include "query/tokenizer.h"

namespace ovelin {
namespace {

std::vector<std::string> Tokens(std::string_view text) {
  std::vector<std::string> tokens;
  size_t pos = 0;
  for (auto token = NextToken(text, pos); !token.empty(); token = NextToken(text, pos)) tokens.emplace_back(token);
  return tokens;
}

TEST(Tokenizer, SplitsAtOperatorsOutsideQuotes) {
  struct Case {
    std::string text;
    std::vector<std::string> tokens;
  };
  const std::vector<Case> cases = {
      {"A+B", {"A", "+", "B"}},
      {"A + B", {"A ", "+", " B"}},
      {"(A-B)^C", {"(", "A", "-", "B", ")", "^", "C"}},
      {"A Name=\"x+y (z)\"-B", {"A Name=\"x+y (z)\"", "-", "B"}},
      {"A Name=\"open+", {"A Name=\"open+"}},
      {"((", {"(", "("}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Tokens(c.text), c.tokens) << c.text;
}

Condition Make(std::string property, std::string type, std::string lower, std::string upper) {
  return {std::move(property), std::move(type), std::move(lower), std::move(upper)};
}

TEST(ConditionParser, SingleAndRangeForms) {
  struct Case {
    std::string word;
    std::optional<Condition> expected;
  };
  const std::vector<Case> cases = {
      {"Size=5", Make("Size", "NUMBER", "=5", "=5")},
      {"Size!=5", Make("Size", "NUMBER", "~5", "~5")},
      {"Size>5", Make("Size", "NUMBER", "!5", "")},
      {"Size>=5", Make("Size", "NUMBER", "=5", "")},
      {"Size<5", Make("Size", "NUMBER", "", "!5")},
      {"Size<=5", Make("Size", "NUMBER", "", "=5")},
      {"Price>=\"10\"", Make("Price", "STRING", "=10", "")},
      {"Author=\"a b+c\"", Make("Author", "STRING", "=a b+c", "=a b+c")},
      {"Author=\"\"", Make("Author", "STRING", "=", "=")},
      {"10<Size<=100", Make("Size", "NUMBER", "!10", "=100")},
      {"5>X>1", Make("X", "NUMBER", "!1", "!5")},
      {"1<=X<=1", Make("X", "NUMBER", "=1", "=1")},
      {"100>=Size>=10", Make("Size", "NUMBER", "=10", "=100")},
      {"\"a\"<T<\"m\"", Make("T", "STRING", "!a", "!m")},
      // Invalid words.
      {"Name=\"a\"b\"", std::nullopt},  // a quote left inside the value
      {"1<X>5", std::nullopt},          // no upper bound
      {"1<X=5", std::nullopt},          // "=" in the range form
      {"1!=X<5", std::nullopt},
      {"\"1\"<X<5", std::nullopt},  // mixed types
      {"Size>", std::nullopt},      // no value, as in "A Size>-5"
      {"=5", std::nullopt},
      {"Size!5", std::nullopt},  // "!" without "="
      {"Size", std::nullopt},
      {"a<b<c<d", std::nullopt},
      {"Size==5", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseCondition(c.word), c.expected) << c.word;
}

TEST(OperandParser, NameConditionsAndParentheses) {
  auto operand = ParseOperand("((A  Size>5 Author=\"x y\" ))");
  ASSERT_TRUE(operand);
  EXPECT_EQ(operand->name, "A");
  ASSERT_EQ(operand->conditions.size(), 2u);
  EXPECT_EQ(operand->conditions[1], Make("Author", "STRING", "=x y", "=x y"));

  EXPECT_FALSE(ParseOperand("   "));
  EXPECT_FALSE(ParseOperand("()"));
  EXPECT_FALSE(ParseOperand("A Size>"));
  EXPECT_EQ(ParseOperand(" A ")->name, "A");
}

}  // namespace
}  // namespace ovelin

// Reading condition values, testing items, and when one condition lies within another.
#include <gtest/gtest.h>

#include "query/condition_check.h"
#include "query/containment.h"

namespace ovelin {
namespace {

Condition Parse(std::string_view word) {
  auto condition = ParseCondition(word);
  EXPECT_TRUE(condition) << word;
  return condition.value_or(Condition{});
}

TEST(ConditionTest, ValuesAgainstBounds) {
  struct Case {
    std::string word;
    std::vector<std::string> passing;
    std::vector<std::string> failing;
  };
  const std::vector<Case> cases = {
      {"N!=5", {"4", "6", "", "x"}, {"5", "5.0"}},
      {"5>N>1", {"2", "3", "4.9"}, {"1", "5", ""}},
      {"1<=N<=1", {"1"}, {"0.9", "1.1"}},
      {"N>5", {"6"}, {"", "5", "abc"}},
      {"N<=0", {"", "abc", "-1"}, {"1"}},
      {"T<\"M\"", {"", "A", "L"}, {"M", "a"}},  // code-unit order: capitals first
      {"T=\"x y\"", {"x y"}, {"x", "X Y"}},
      {"T!=\"\"", {"a"}, {""}},
      // Hexadecimal, "inf" and "nan" are no numbers, as bounds and as values.
      {"N=0x7e4", {"0", "", "0x7e4"}, {"2020"}},
      {"N<inf", {"-1"}, {"0", "5", "inf"}},
      {"N>=-1", {"nan", "-inf", "info"}, {"-2", "-1.5e0"}},
  };
  for (const auto& c : cases) {
    const Condition condition = Parse(c.word);
    for (const auto& value : c.passing) EXPECT_TRUE(ValuePasses(condition, value)) << c.word << " / " << value;
    for (const auto& value : c.failing) EXPECT_FALSE(ValuePasses(condition, value)) << c.word << " / " << value;
  }
}

TEST(ConditionWithin, FromBoundsAlone) {
  struct Case {
    std::string a;
    std::string b;
    bool within;
  };
  const std::vector<Case> cases = {
      {"N>5", "N>=3", true},         {"N>=3", "N>5", false},  {"N>=5", "N>5", false},  // 5 is admitted by a only
      {"N>5", "N>=5", true},         {"N=5", "N>=5", true},   {"N=5", "N<5", false},    {"1<N<3", "0<=N<=3", true},
      {"1<N<=3", "0<=N<3", false},   {"N!=5", "N!=5", true},  {"N!=5", "N!=6", false},  {"N!=5", "N>0", false},
      {"N>5", "N!=5", true},         {"N>=5", "N!=5", false}, {"N<4", "N!=5", true},    {"N<5", "N!=5", true},
      {"N<=5", "N!=5", false},       {"N=5", "N!=5", false},  {"4<N<6", "N!=5", false}, {"T>\"b\"", "T>\"a\"", true},
      {"T>\"a\"", "T>\"b\"", false}, {"N<1", "N<10", true},  // numbers, not texts: "10" sorts before "1" as text
  };
  for (const auto& c : cases) EXPECT_EQ(ConditionWithin(Parse(c.a), Parse(c.b)), c.within) << c.a << " in " << c.b;
}

TEST(ConditionsImply, PerPropertyAndType) {
  auto list = [](std::vector<std::string_view> words) {
    std::vector<Condition> conditions;
    for (auto word : words) conditions.push_back(Parse(word));
    return conditions;
  };
  EXPECT_TRUE(ConditionsImply({}, {}));
  EXPECT_TRUE(ConditionsImply(list({"N>5"}), {}));
  EXPECT_FALSE(ConditionsImply({}, list({"N>5"})));
  EXPECT_TRUE(ConditionsImply(list({"N>5", "T=\"a\""}), list({"N>1"})));
  EXPECT_FALSE(ConditionsImply(list({"N>5"}), list({"N>1", "T=\"a\""})));
  EXPECT_FALSE(ConditionsImply(list({"N>\"5\""}), list({"N>\"1\"", "N>1"})));  // other type
}

}  // namespace
}  // namespace ovelin

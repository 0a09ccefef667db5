// Why an expression fails: the cause, its character position and what it names.
#include <gtest/gtest.h>

#include "query/expression_evaluator.h"
#include "query/expression_limits.h"
#include "query/query_test_store.h"

namespace ovelin {
namespace {

TEST(ExpressionFaults, NameTheCauseAndItsCharacterPosition) {
  auto store = test::MakeSampleStore({{"Self", "Self+A"},
                                      {"Uses", "B+Self"},
                                      {"Broken", "A^Nope"},
                                      {"Blank", ""},
                                      {"Spaces", "  "},
                                      {"Open", "A+ "},
                                      {"近期", "A"}});
  struct Case {
    std::string expression;
    std::string_view code;
    size_t position;      // 0: the cause has no place
    std::string mention;  // a value the reason must name
  };
  const std::vector<Case> cases = {
      {"Nope", "unknown-name", 1, "\"Nope\""},
      {"近期+Nope", "unknown-name", 4, "\"Nope\""},  // characters, not bytes
      {"A Author='x'", "text-needs-quotes", 3, "\"Author\""},
      {"A Author=x", "text-needs-quotes", 3, "\"Author\""},
      {"A Size>\"x\"", "number-needs-no-quotes", 3, "\"Size\""},
      {"A Size==5", "unknown-operator", 7, "\"==\""},
      {"A,B", "unknown-operator", 2, "\",\""},
      {"A & B", "unknown-operator", 3, "\"&\""},
      {"A Size>\"3", "missing-quote", 8, ""},
      {"(A Author=\"x)", "missing-quote", 11, ""},  // the quote swallows the ")"
      {"A+", "operand-missing-at-end", 2, "\"+\""},
      {"+A", "operand-missing", 1, "\"+\""},
      {"A+-B", "operand-missing", 3, "\"-\""},
      {"(A", "unclosed-parenthesis", 1, ""},
      {"((A)", "unclosed-parenthesis", 1, ""},
      {"A)", "unopened-parenthesis", 2, ""},
      {"A+()", "empty-parentheses", 4, ""},
      {"(A)B", "operator-missing", 4, ""},
      {"Size>'x'", "condition-without-set", 1, "\"Size>'x'\""},
      {"A Size>", "bad-condition", 3, "\"Size>\""},
      {"B Size>1", "undefined-property", 3, "\"Size\""},
      {"V Size>1", "condition-on-view-set", 3, "\"V\""},
      {"A+Uses", "view-set-cycle", 3, "\"Self\""},
      {"C^Broken", "view-set-fails", 3, "第3个字符处：没有名为\"Nope\""},  // placed in the stored text
      {"Blank", "view-set-fails", 1, "表达式为空"},
      {"Spaces", "view-set-fails", 1, "表达式为空"},
      {"Open", "view-set-fails", 1, "第2个字符处：\"+\"后面缺少"},  // not the ")" added around it
      {"", "expression-empty", 0, ""},
      {"   ", "expression-empty", 0, ""},
      {std::string(kMaxExpressionLength + 1, 'A'), "expression-too-large", 0, ""},
  };
  for (const auto& c : cases) {
    CheckResult why;
    EXPECT_FALSE(EvaluateExpression(*store, c.expression, why)) << c.expression;
    EXPECT_EQ(why.Message(), MessageId::ExpressionError);
    EXPECT_EQ(why.Code(), c.code) << c.expression;
    const std::string reason = why.ReasonText();
    const std::string place = c.position > 0 ? "第" + std::to_string(c.position) + "个字符" : "";
    EXPECT_TRUE(reason.starts_with(place)) << reason;
    EXPECT_NE(reason.find(c.mention), std::string::npos) << reason;
  }
  CheckResult why;
  EXPECT_TRUE(EvaluateExpression(*store, "近期+B", why));
  EXPECT_TRUE(why);
}

}  // namespace
}  // namespace ovelin

// Numbers read from values by the one leading-decimal rule, and values ordered by type.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "store/value_order.h"

namespace ovelin {
namespace {

TEST(LeadingNumber, ReadsTheLeadingNumberOnly) {
  const std::vector<std::pair<std::string, double>> cases = {
      {"5", 5},
      {" -3.5abc", -3.5},
      {"abc", 0},
      {"", 0},
      {"+2", 2},
      {"1,5", 1},
      {"1e3", 1000},
      {".5", 0.5},
      {"--1", 0},
      {"1.50", 1.5},
      {"5.", 5},
      {"-.5e1x", -5},
      {"1e", 1},
      {"2E+", 2},
      {"3e-1", 0.3},
      {".", 0},
      {"+.e3", 0},
      {"\t 7", 7},
      // Not decimal: hexadecimal reads its leading 0, words read as no number.
      {"0x7e4", 0},
      {"nan", 0},
      {"-nan", 0},
      {"inf", 0},
      {"info", 0},
      {"INFINITY", 0}};
  for (const auto& [text, expected] : cases) EXPECT_DOUBLE_EQ(LeadingNumber(text), expected) << text;
  EXPECT_TRUE(std::isinf(LeadingNumber("1e400")));
  EXPECT_LT(LeadingNumber("-1e400"), 0);
}

TEST(LeadingNumber, IgnoresTheUsersLocale) {
  // A locale with a decimal comma, when the machine has one; the reading must not change.
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
    GTEST_SKIP() << "no locale with a decimal comma installed";
  }
  EXPECT_DOUBLE_EQ(LeadingNumber("2.5"), 2.5);
  std::setlocale(LC_NUMERIC, "C");
}

TEST(CompareValues, NumbersByValueStringsByCodeUnits) {
  EXPECT_LT(CompareValues("NUMBER", "9", "10"), 0);
  EXPECT_EQ(CompareValues("NUMBER", "2020", "2020.0kg"), 0);
  EXPECT_EQ(CompareValues("NUMBER", "nan", "0"), 0);
  EXPECT_EQ(CompareValues("NUMBER", "0x7e4", "0"), 0);
  EXPECT_GT(CompareValues("STRING", "9", "10"), 0);
  EXPECT_EQ(CompareValues("DATE", "1", "2"), 0);
}

}  // namespace
}  // namespace ovelin

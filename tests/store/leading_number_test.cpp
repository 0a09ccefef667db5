// Numbers read from texts by the C library's leading-decimal rule.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "store/xml_text.h"

namespace ovelin {
namespace {

TEST(LeadingNumber, ReadsTheLeadingNumberOnly) {
  const std::vector<std::pair<std::string, double>> cases = {
      {"5", 5},      {" -3.5abc", -3.5}, {"abc", 0},  {"", 0},        {"+2", 2},  {"1,5", 1},
      {"0x10", 16},  {"1e3", 1000},      {".5", 0.5}, {"--1", 0},     {"1.50", 1.5}};
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

}  // namespace
}  // namespace ovelin

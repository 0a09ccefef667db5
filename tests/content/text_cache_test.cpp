#include <gtest/gtest.h>

#include "query/content/text_cache.h"

namespace ovelin {
namespace {

TEST(TextCache, KeepsTextsAndFailuresWithinTheBudget) {
  TextCache cache(1000);
  cache.Insert("/a", std::string(300, 'a'));
  cache.Insert("/missing", std::nullopt);
  ASSERT_NE(cache.Find("/a"), nullptr);
  EXPECT_EQ(cache.Find("/a")->value(), std::string(300, 'a'));
  ASSERT_NE(cache.Find("/missing"), nullptr);
  EXPECT_FALSE(cache.Find("/missing")->has_value());
  EXPECT_EQ(cache.Find("/other"), nullptr);
  EXPECT_LE(cache.size(), 1000u);
}

TEST(TextCache, DropsTheLeastRecentlyUsed) {
  TextCache cache(1000);
  cache.Insert("/a", std::string(300, 'a'));
  cache.Insert("/b", std::string(300, 'b'));
  cache.Find("/a");                           // /b is now the oldest
  cache.Insert("/c", std::string(300, 'c'));  // does not fit beside both
  EXPECT_NE(cache.Find("/a"), nullptr);
  EXPECT_EQ(cache.Find("/b"), nullptr);
  EXPECT_NE(cache.Find("/c"), nullptr);
  EXPECT_LE(cache.size(), 1000u);
}

TEST(TextCache, SkipsTextsLargerThanTheBudgetAndReplacesEntries) {
  TextCache cache(1000);
  cache.Insert("/a", std::string(300, 'a'));
  cache.Insert("/huge", std::string(5000, 'h'));
  EXPECT_EQ(cache.Find("/huge"), nullptr);
  EXPECT_NE(cache.Find("/a"), nullptr);
  cache.Insert("/a", std::string("new"));
  EXPECT_EQ(cache.Find("/a")->value(), "new");
  const size_t small = cache.size();
  cache.Insert("/a", std::string("new"));
  EXPECT_EQ(cache.size(), small);
}

}  // namespace
}  // namespace ovelin

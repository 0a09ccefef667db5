// The configuration sections.
#include <gtest/gtest.h>

#include "store/data_file.h"
#include "store_fixture.h"
#include "support/test_support.h"

namespace ovelin {
namespace {

class Config : public ::testing::Test {
 protected:
  void SetUp() override {
    store.CreateStarterDocument();
    ASSERT_TRUE(store.SaveTo(dir / kDataFileName));
  }
  test::TempDir dir;
  CFileSetStore store;
};

TEST_F(Config, Defaults) {
  EXPECT_EQ(store.GetConfigValue("Pigeonhole", "DragDropPigAutoBelong"), "true");
  EXPECT_EQ(store.GetConfigValue("KeywordsSearch", "UpLowSensitive"), "false");
  for (const char* key : {"SearchFileContent", "SearchFileName", "IncludeAll", "SearchBelongSet"}) {
    EXPECT_TRUE(store.IsConfigOn("KeywordsSearch", key)) << key;
  }
  EXPECT_EQ(store.GetConfigValue("KeywordsSearch", "Missing"), "");
  EXPECT_EQ(store.GetConfigValue("Missing", "IncludeAll"), "");
}

TEST_F(Config, ReplacingTheWholeConfiguration) {
  ASSERT_TRUE(
      store.SetConfigXml("<SysConfig><KeywordsSearch IncludeAll=\"TRUE\" SearchFileContent=\"no\"/>"
                         "<Extra Key=\"v\">text<Inner A=\"1\"/></Extra></SysConfig>"));
  EXPECT_TRUE(store.IsConfigOn("KeywordsSearch", "IncludeAll"));
  EXPECT_FALSE(store.IsConfigOn("KeywordsSearch", "SearchFileContent"));
  EXPECT_EQ(store.GetConfigValue("Extra", "Key"), "v");
  EXPECT_STREQ(store.GetXml(false).c_str() + store.GetXml(false).rfind("<SysConfig"),
               "<SysConfig><KeywordsSearch IncludeAll=\"TRUE\" SearchFileContent=\"no\"/><Extra Key=\"v\">text"
               "<Inner A=\"1\"/></Extra></SysConfig></AllSets>");
  // Saved at once: a fresh load sees the change.
  CFileSetStore again;
  ASSERT_TRUE(again.Load(dir / kDataFileName));
  EXPECT_EQ(again.GetConfigValue("Extra", "Key"), "v");
}

TEST_F(Config, RoundTripLeavesEveryValue) {
  const std::string xml = store.GetConfigXml();
  ASSERT_TRUE(store.SetConfigXml(xml));
  EXPECT_EQ(store.GetConfigXml(), xml);
  EXPECT_STREQ(store.FindFileSet(test::kRoot).parent().parent().last_child().name(), "SysConfig");
}

TEST_F(Config, BadTextChangesNothingOtherRootRemovesAll) {
  const std::string xml = store.GetConfigXml();
  EXPECT_FALSE(store.SetConfigXml("<SysConfig><Broken></SysConfig>"));
  EXPECT_EQ(store.GetConfigXml(), xml);
  EXPECT_TRUE(store.SetConfigXml("<Other/>"));
  EXPECT_EQ(store.GetConfigXml(), "");
  EXPECT_FALSE(store.IsConfigOn("Pigeonhole", "DragDropPigAutoBelong"));
}

}  // namespace
}  // namespace ovelin

// Bringing documents of older versions up to 1.50, and documents with missing nodes.
#include <gtest/gtest.h>

#include "store/file_set_store.h"

namespace ovelin {
namespace {

std::string Document(const std::string& versionAttribute, const std::string& path, const std::string& extra = "") {
  return "<AllSets" + versionAttribute +
         "><EntitySets RootName=\"R\"><FileSet><Name>R</Name>"
         "<StorePath Type=\"UsrDef\">/d</StorePath><Elements><File><Name>f</Name><Path>" +
         path +
         "</Path><ItemPropertys/></File></Elements><Childs/><Parents/><ItemPropertys/></FileSet></EntitySets>"
         "<ViewSetRoot/>" +
         extra + "</AllSets>";
}

struct UpgradeCase {
  std::string version;  // the Version attribute as written ("" for none)
  bool changed;
  std::string pathAfter;    // the item path after loading
  bool hasKeywordDefaults;  // SysConfig/KeywordsSearch/@IncludeAll present
  bool hasPigeonhole;
};

TEST(Upgrade, ByVersion) {
  const std::string config =
      "<SysConfig><KeywordsSearch SearchFileContent=\"true\" SearchFileName=\"true\" IncludeAll=\"true\" "
      "UpLowSensitive=\"false\" WholeWordMatch=\"false\"/></SysConfig>";
  const std::vector<UpgradeCase> cases = {
      {"", true, "file:///C:/My%20Files/a%20b.txt", true, true},
      {"1.02", true, "file:///C:/My%20Files/a%20b.txt", true, true},
      {"1.2", true, "file:///C:/My%20Files/a%20b.txt", true, true},
      {"1.20", true, "file:///C:/My%20Files/a%20b.txt", true, true},
      {"1.3", true, "file:///C:/My%20Files/a%20b.txt", false, false},
      {"1.1", false, "C:\\My Files\\a b.txt", false, false},
      {"1.4", false, "C:\\My Files\\a b.txt", false, false},
      {"1.50", false, "C:\\My Files\\a b.txt", false, false},
      {"2.0", false, "C:\\My Files\\a b.txt", false, false},
  };
  for (const auto& c : cases) {
    const bool hasOwnConfig = c.version == "1.2" || c.version == "1.20";
    const std::string attribute = c.version.empty() ? "" : " Version=\"" + c.version + "\"";
    CFileSetStore store;
    ASSERT_TRUE(store.LoadXml(Document(attribute, "C:\\My Files\\a b.txt", hasOwnConfig ? config : ""))) << c.version;
    EXPECT_EQ(store.GetVersion(), c.changed ? "1.50" : (c.version.empty() ? "1.02" : c.version)) << c.version;
    ASSERT_EQ(store.GetRootItems().size(), 1u) << c.version;
    EXPECT_EQ(store.GetRootItems()[0].GetPath(), c.pathAfter) << c.version;
    EXPECT_EQ(store.GetConfigValue("KeywordsSearch", "IncludeAll") == "true", c.hasKeywordDefaults) << c.version;
    EXPECT_EQ(store.IsConfigOn("Pigeonhole", "DragDropPigAutoBelong"), c.hasPigeonhole) << c.version;
    EXPECT_EQ(store.IsConfigOn("KeywordsSearch", "SearchBelongSet"), c.hasPigeonhole) << c.version;
    // The upgrade through version 1.3 adds an empty Description to every item.
    const bool described = store.FindFileSet("R").child("Elements").child("File").child("Description");
    EXPECT_EQ(described, c.changed) << c.version;
  }
}

TEST(Upgrade, PosixPathsBecomeFileUrlsWithoutTouchingBackslashes) {
  CFileSetStore store;
  ASSERT_TRUE(store.LoadXml(Document(" Version=\"1.3\"", "/home/u/my file\\x.txt")));
  EXPECT_EQ(store.GetRootItems()[0].GetPath(), "file:///home/u/my%20file\\x.txt");
}

TEST(Upgrade, VersionTwelveWithoutConfigurationGetsOne) {
  CFileSetStore store;
  ASSERT_TRUE(store.LoadXml(Document(" Version=\"1.2\"", "/a")));
  EXPECT_EQ(store.GetVersion(), "1.50");
  EXPECT_TRUE(store.IsConfigOn("Pigeonhole", "DragDropPigAutoBelong"));
}

TEST(MissingNodes, OperationsReturnEmptyResults) {
  CFileSetStore store;
  EXPECT_EQ(store.GetVersion(), "1.02");  // empty document
  EXPECT_EQ(store.GetRootName(), "");
  EXPECT_FALSE(store.FindFileSet("R"));
  EXPECT_EQ(store.GetConfigValue("KeywordsSearch", "IncludeAll"), "");
  EXPECT_EQ(store.GetConfigXml(), "");
  EXPECT_FALSE(store.CreateFileSet("A", {}, "", StorePathKind::UsrDef, {}));
  EXPECT_FALSE(store.AppendViewSet("V", "A"));

  ASSERT_TRUE(
      store.LoadXml("<AllSets Version=\"1.50\"><EntitySets RootName=\"R\"><FileSet><Name>R</Name>"
                    "<Elements><File><Name>x</Name><Path>file:///x</Path></File></Elements>"
                    "</FileSet></EntitySets></AllSets>"));
  EXPECT_EQ(store.GetConfigValue("KeywordsSearch", "IncludeAll"), "");
  EXPECT_FALSE(store.IsConfigOn("Pigeonhole", "DragDropPigAutoBelong"));
  EXPECT_EQ(store.GetStorePath("R").text, "");
  EXPECT_EQ(store.GetEffectiveStorePath("R"), "");
  EXPECT_TRUE(store.GetDefinitions("R").empty());
  EXPECT_EQ(store.GetRootItems().size(), 1u);
  // Sets whose list elements are missing still take children and view sets.
  ASSERT_TRUE(store.CreateFileSet("A", {"R"}, "", StorePathKind::ExParent, {}));
  EXPECT_EQ(store.GetChilds("R"), (NameList{"A"}));
  EXPECT_TRUE(store.AppendViewSet("V", "A"));
  EXPECT_EQ(store.GetViewSetNames(), (NameList{"V"}));

  EXPECT_FALSE(store.LoadXml("<NotAllSets/>"));
  EXPECT_FALSE(store.LoadXml("<AllSets>"));
  EXPECT_TRUE(store.FindFileSet("A"));  // a failed load leaves the document as it was
}

}  // namespace
}  // namespace ovelin

// What a document holds comes back from the data file unchanged, however it is
// written or nested, and documents the program cannot work with are recognised.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "store/data_file.h"
#include "store/file_set_store.h"
#include "store/xml_text.h"
#include "support/test_support.h"

namespace ovelin {
namespace {

std::string Document(const std::string& rootName, const std::string& rootSetName, const std::string& more = "") {
  return "<AllSets Version=\"1.50\"><EntitySets RootName=\"" + rootName + "\"><FileSet><Name>" + rootSetName +
         "</Name><StorePath Type=\"UsrDef\">/d</StorePath><Elements/><Childs/><Parents/><ItemPropertys/></FileSet>" +
         more + "</EntitySets><ViewSetRoot/></AllSets>";
}

std::string Nested(int levels, const std::string& inside) {
  std::string text;
  for (int i = 0; i < levels; ++i) text += "<x>";
  text += inside;
  for (int i = 0; i < levels; ++i) text += "</x>";
  return text;
}

// Whitespace-only text, comments, processing instructions and line ends, as the
// program writes them (raw, without declaration).
TEST(DocumentText, WhatIsWrittenLoadsBackEqual) {
  ::setenv("OVELIN_MACHINE_ID", "0a1b2c3d4e5f", 0);
  const std::string xml =
      "<AllSets Version=\"1.50\"><!-- library --><EntitySets RootName=\"R\">"
      "<FileSet><Name>R</Name><StorePath Type=\"UsrDef\">/d</StorePath><Elements>"
      "<File><Name> </Name><Path>file:///d/a.txt</Path><Description>line\r\nnext\r</Description>"
      "<ItemPropertys><Property Name=\"Note\" Value=\"a&#13;&#10;b&#09;\"/></ItemPropertys></File>"
      "</Elements><Childs>\t</Childs><Parents/><ItemPropertys/></FileSet>"
      "<FileSet><Name>\t</Name><StorePath Type=\"ExParent\"/><Elements/><Childs/><Parents>R</Parents>"
      "<ItemPropertys/></FileSet><?keep this?></EntitySets><ViewSetRoot/></AllSets>";
  CFileSetStore store;
  ASSERT_TRUE(store.LoadXml(xml));
  EXPECT_EQ(store.GetXml(false), xml);

  test::TempDir dir;
  ASSERT_TRUE(store.SaveTo(dir / kDataFileName));
  CFileSetStore again;
  ASSERT_TRUE(again.Load(dir / kDataFileName));
  EXPECT_EQ(again.GetXml(false), xml);
  EXPECT_EQ(again.GetFileSetNames(), (NameList{"\t", "R"}));
  const CFileItem item = again.FindItemByPath("file:///d/a.txt");
  EXPECT_EQ(item.GetName(), " ");
  EXPECT_EQ(item.GetDescription(), "line\r\nnext\r");
  EXPECT_EQ(item.GetPropertyValue("Note"), "a\r\nb\t");
}

TEST(DocumentText, BlankNamesAreRefused) {
  CFileSetStore store;
  store.CreateStarterDocument();
  const std::string root(kStarterRootName);
  for (const std::string name : {"", "\t", "\n\r", " \t "}) {
    EXPECT_FALSE(IsValidName(name));
    EXPECT_FALSE(store.CreateFileSet(name, {root}, "", StorePathKind::ExParent, {}));
  }
  EXPECT_TRUE(IsValidName("a\tb"));
}

// Nesting far beyond what the stack could take in a recursive walk.
TEST(DocumentText, DeepNestingIsReadWithoutRecursion) {
  constexpr int kLevels = 300000;
  const std::string xml = Document("R", "R" + Nested(kLevels, "!"));
  CFileSetStore store;
  ASSERT_TRUE(store.LoadXml(xml));
  EXPECT_TRUE(store.FindFileSet("R!"));
  EXPECT_EQ(NestingDepth(store.FindFileSet("R!").child("Name")), static_cast<size_t>(kLevels) + 1);
  EXPECT_FALSE(store.IsUsableDocument());
  EXPECT_FALSE(store.SetConfigXml("<SysConfig>" + Nested(kLevels, "") + "</SysConfig>"));
}

TEST(DocumentText, UsableDocumentsHaveARootSetAndModestNesting) {
  struct Case {
    const char* what;
    std::string xml;
    bool usable;
  };
  const std::vector<Case> cases = {
      {"plain", Document("R", "R"), true},
      {"nested within the limit", Document("R", "R", Nested(kMaxDocumentDepth - 2, "")), true},
      {"nested beyond the limit", Document("R", "R", Nested(kMaxDocumentDepth - 1, "")), false},
      {"empty root name", Document("", "R"), false},
      {"blank root name", Document("\t", "\t"), false},
      {"root set missing", Document("Q", "R"), false},
      {"no sets", "<AllSets Version=\"1.50\"/>", false},
  };
  for (const auto& c : cases) {
    CFileSetStore store;
    ASSERT_TRUE(store.LoadXml(c.xml)) << c.what;
    EXPECT_EQ(store.IsUsableDocument(), c.usable) << c.what;
  }
}

}  // namespace
}  // namespace ovelin

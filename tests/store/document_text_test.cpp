// What a document holds comes back from the data file unchanged, and names that
// hold nothing but white space are refused.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "store/data_file.h"
#include "store/file_set_store.h"
#include "support/test_support.h"

namespace ovelin {
namespace {

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

}  // namespace
}  // namespace ovelin

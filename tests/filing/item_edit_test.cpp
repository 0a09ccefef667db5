// Editing a recorded item: what an edit replaces, and what it refuses.

#include <gtest/gtest.h>

#include "filing/item_edit.h"
#include "store/store_fixture.h"

namespace ovelin::test {
namespace {

using Strings = std::vector<std::string>;

const std::string kUrl = "file:///docs/a.txt";

class ItemEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartFresh(store);
    AddSet(store, "Work", {}, {"Year;NUMBER;;;0"});
    AddSet(store, "Licenses", {}, {"Year;NUMBER;1990;2030;2000"});
    AddSet(store, "Music", {}, {"Artist;STRING;;;unknown"});
    AddSet(store, "Text", {}, {"Year;STRING;;;"});
    AddItem(store, "Work", "a", kUrl, {"Year;1989"});
  }

  CFileSetStore store;
};

TEST_F(ItemEditTest, ReplacesNameDescriptionValuesAndSetsInTheDocumentAndTheRootList) {
  ItemEdit edit{"b", "notes", {{"Year", "1995"}}, NameList{"Licenses", "Music"}};
  ASSERT_TRUE(EditItem(store, kUrl, edit));

  const CFileItem edited = store.FindItemByPath(kUrl);
  EXPECT_EQ(edited.GetName(), "b");
  EXPECT_EQ(edited.GetDescription(), "notes");
  EXPECT_EQ(edited.GetOwningSets(), (NameList{"Licenses", "Music"}));
  // A property the new sets bring in takes its initial value.
  EXPECT_EQ(edited.GetPropertyValues(), (Strings{"Year;1995", "Artist;unknown"}));
  EXPECT_TRUE(store.ReadSetItems("Work").empty());
  ASSERT_EQ(store.ReadSetItems("Music").size(), 1u);
  EXPECT_EQ(store.ReadSetItems("Music")[0].GetPropertyValues(), Strings{"Artist;unknown"});

  // Values that no new set defines are dropped.
  ASSERT_TRUE(EditItem(store, kUrl, ItemEdit{{}, {}, {}, NameList{"Music"}}));
  EXPECT_EQ(store.FindItemByPath(kUrl).GetPropertyValues(), Strings{"Artist;unknown"});
}

TEST_F(ItemEditTest, WithoutNewSetsOnlyTheGivenValuesAreChecked) {
  AddItem(store, "Licenses", "old", "file:///docs/old.txt", {"Year;1989"});
  ASSERT_TRUE(EditItem(store, "file:///docs/old.txt", ItemEdit{"renamed", {}, {}, {}}));
  EXPECT_EQ(store.FindItemByPath("file:///docs/old.txt").GetPropertyValue("Year"), "1989");

  ASSERT_FALSE(EditItem(store, "file:///docs/old.txt", ItemEdit{{}, {}, {{"Year", "1980"}}, {}}));
  // An empty value takes the initial value.
  ASSERT_TRUE(EditItem(store, "file:///docs/old.txt", ItemEdit{{}, {}, {{"Year", ""}}, {}}));
  EXPECT_EQ(store.FindItemByPath("file:///docs/old.txt").GetPropertyValue("Year"), "2000");
}

TEST_F(ItemEditTest, RefusalsSayWhyAndChangeNothing) {
  struct Case {
    std::string path;
    ItemEdit edit;
    std::string code;
    std::string reason;
  };
  const std::vector<Case> cases = {
      {"file:///docs/A.txt", {"b", {}, {}, {}}, "unknown-item", ""},
      {kUrl, {" \t", {}, {}, {}}, "name-empty", ""},
      {kUrl, {{}, {}, {}, NameList{"Work", "Nope"}}, "unknown-set", ""},
      {kUrl, {{}, {}, {}, NameList{}}, "item-without-sets", ""},
      {kUrl, {{}, {}, {{"Artist", "x"}}, NameList{"Work"}}, "item-property-undefined", ""},
      {kUrl, {{}, {}, {}, NameList{"Text", "Work"}}, "property-types-differ", ""},
      // The archiving engine's wording names the property, the value, the set and the bound.
      {kUrl, {{}, {}, {}, NameList{"Licenses"}}, "value-out-of-range", "属性Year的值1989低于文件集Licenses的下限1990"},
      {kUrl,
       {{}, {}, {{"Year", "2031"}}, NameList{"Licenses"}},
       "value-out-of-range",
       "属性Year的值2031高于文件集Licenses的上限2030"},
  };
  const std::string before = store.GetXml(false);
  for (const auto& [path, edit, code, reason] : cases) {
    SCOPED_TRACE(code);
    const CheckResult result = EditItem(store, path, edit);
    EXPECT_EQ(result.Code(), code);
    if (!reason.empty()) {
      EXPECT_EQ(result.ReasonText(), reason);
    }
    EXPECT_EQ(store.GetXml(false), before);
    EXPECT_EQ(store.FindItemByPath(kUrl).GetOwningSets(), NameList{"Work"});
  }
}

}  // namespace
}  // namespace ovelin::test

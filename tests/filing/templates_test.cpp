// Templates: pruning on export, merging on import, failures, and a template
// enciphered by the openssl program instead of the code under test.
#include <gtest/gtest.h>

#include <filesystem>

#include "filing/templates.h"
#include "filing_fixture.h"
#include "store/data_file.h"
#include "store/envelope.h"
#include "store/store_fixture.h"
#include "support/openssl_cipher.h"

namespace ovelin {
namespace {

using test::kRootSet;
using test::TempDir;

Bytes ReadBytes(const std::string& path) { return ReadWholeFile(path).value_or(Bytes()); }

void WriteBytes(const std::string& path, const Bytes& bytes) {
  test::WriteTextFile(path, std::string(bytes.begin(), bytes.end()));
}

// The source library: root -> A -> B -> C -> D -> E, a sibling S, items, a view set.
class TemplateTest : public test::FilingTest {
 protected:
  void SetUp() override {
    FilingTest::SetUp();
    AddSet("A", {}, {"Year;NUMBER;1900;2100;2000;Self"});
    AddSet("B", {"A"});
    AddSet("C", {"B"}, {"Author;STRING;;;nobody;Self"});
    AddSet("D", {"C"});
    AddSet("E", {"D"});
    AddSet("S");
    store.SetNote("C", "the exported set");
    store.SetStorePath("B", "/srv/b", StorePathKind::UsrDef);
    test::AddItem(store, "A", "a", "http://example.org/a");
    test::AddItem(store, "C", "c", "http://example.org/c");
    test::AddItem(store, "S", "s", "http://example.org/s");
    ASSERT_TRUE(store.AppendViewSet("V", "A+S"));
    ASSERT_TRUE(store.Save());
    tpl = temp / "branch.tpl";
  }

  // A second library whose root set is called Home, saved in its own file.
  void MakeTarget(CFileSetStore& target, const std::string& name) {
    target.CreateStarterDocument();
    ASSERT_TRUE(target.RenameFileSet(kRootSet, "Home"));
    ASSERT_TRUE(target.SaveTo(temp / name));
  }

  // The template file read back as a store.
  std::unique_ptr<CFileSetStore> ReadTemplate(const std::string& path) {
    auto loaded = std::make_unique<CFileSetStore>();
    const auto plain = Decipher(ReadBytes(path), PortableKeyMaterial());
    EXPECT_TRUE(plain && loaded->LoadXmlUtf16(*plain));
    return loaded;
  }

  std::string tpl;
};

TEST_F(TemplateTest, BranchKeepsAncestorsAndDescendantsWithoutItemsOrViewSets) {
  const std::string before = store.GetXml(false);
  ASSERT_TRUE(ExportTemplate(store, tpl, "C"));
  EXPECT_EQ(store.GetXml(false), before);

  const auto exported = ReadTemplate(tpl);
  EXPECT_EQ(exported->GetFileSetNames(), (NameList{"A", "B", "C", "D", "E", kRootSet}));
  for (const auto& name : exported->GetFileSetNames()) EXPECT_TRUE(exported->ReadSetItemRefs(name).empty()) << name;
  EXPECT_TRUE(exported->GetViewSetNames().empty());
  EXPECT_EQ(exported->GetChilds(kRootSet), (NameList{"A", "S"}));  // links are not rewritten
  EXPECT_EQ(exported->GetNote("C"), "the exported set");
  EXPECT_EQ(exported->GetStorePath("B").text, "/srv/b");
}

TEST_F(TemplateTest, WholeTreeIsTheRootBranch) {
  ASSERT_TRUE(ExportTemplate(store, tpl, ""));
  EXPECT_EQ(ReadTemplate(tpl)->GetFileSetNames(), (NameList{"A", "B", "C", "D", "E", "S", kRootSet}));
}

TEST_F(TemplateTest, ExportOfAnUnknownSetOrToAnUnwritablePathFails) {
  EXPECT_EQ(ExportTemplate(store, tpl, "Nowhere").Reason(), MessageId::UnknownSet);
  EXPECT_EQ(ExportTemplate(store, temp / "missing/folder/x.tpl", "C").Reason(), MessageId::CannotWriteFile);
  EXPECT_FALSE(std::filesystem::exists(tpl));
}

TEST_F(TemplateTest, ImportRecreatesTheChainUnderTheImportersRoot) {
  ASSERT_TRUE(ExportTemplate(store, tpl, "C"));
  CFileSetStore target;
  MakeTarget(target, "target.db");
  ASSERT_TRUE(ImportTemplate(target, tpl));

  EXPECT_EQ(target.GetChilds("Home"), NameList{"A"});
  EXPECT_EQ(target.GetParents("B"), NameList{"A"});
  EXPECT_EQ(target.GetParents("E"), NameList{"D"});
  EXPECT_FALSE(target.FindFileSet("S"));
  EXPECT_EQ(target.GetEffectiveStorePath("B"), "/srv/b");
  EXPECT_EQ(target.GetNote("C"), "the exported set");
  EXPECT_EQ(target.GetDefinitions("C").size(), 2u);
  EXPECT_EQ(target.GetDefinitions("C")[0].origin, "Parent");

  CFileSetStore saved;
  ASSERT_TRUE(saved.Load(temp / "target.db"));
  EXPECT_EQ(saved.GetXml(false), target.GetXml(false));
}

TEST_F(TemplateTest, ImportingTwiceChangesNothingTheSecondTime) {
  ASSERT_TRUE(ExportTemplate(store, tpl, "C"));
  CFileSetStore target;
  MakeTarget(target, "target.db");
  ASSERT_TRUE(ImportTemplate(target, tpl));
  const std::string once = target.GetXml(false);
  ASSERT_TRUE(ImportTemplate(target, tpl));
  EXPECT_EQ(target.GetXml(false), once);
}

TEST_F(TemplateTest, ViewSetNameClashSkipsThatSubtree) {
  ASSERT_TRUE(ExportTemplate(store, tpl, "C"));
  CFileSetStore target;
  MakeTarget(target, "target.db");
  ASSERT_TRUE(target.AppendViewSet("B", "Home"));
  ASSERT_TRUE(ImportTemplate(target, tpl));
  EXPECT_TRUE(target.FindFileSet("A"));
  for (const char* skipped : {"B", "C", "D", "E"}) EXPECT_FALSE(target.FindFileSet(skipped)) << skipped;
  EXPECT_EQ(target.GetViewSetExpression("B"), "Home");
}

TEST_F(TemplateTest, ExistingSetIsLinkedAndKeepsItsOwnDefinitionsAndItems) {
  ASSERT_TRUE(ExportTemplate(store, tpl, "C"));
  CFileSetStore target;
  MakeTarget(target, "target.db");
  ASSERT_TRUE(target.CreateFileSet("Other", {"Home"}, "", StorePathKind::ExParent, {}));
  ASSERT_TRUE(target.CreateFileSet("A", {"Other"}, "/mine", StorePathKind::UsrDef,
                                   {*PropertyDefinition::Parse("Keep;STRING;;;k;Self")}));
  test::AddItem(target, "A", "mine", "http://example.org/mine", {"Keep;value"});

  ASSERT_TRUE(ImportTemplate(target, tpl));
  EXPECT_EQ(target.GetParents("A"), (NameList{"Home", "Other"}));
  EXPECT_EQ(target.GetStorePath("A").text, "/mine");
  const DefinitionList definitions = target.GetDefinitions("A");
  EXPECT_TRUE(FindDefinition(definitions, "Keep"));
  EXPECT_TRUE(FindDefinition(definitions, "Year"));
  const CFileItem mine = target.FindItemByPath("http://example.org/mine");
  EXPECT_EQ(mine.GetPropertyValue("Keep"), "value");
  EXPECT_EQ(mine.GetPropertyValue("Year"), "2000");
}

TEST_F(TemplateTest, BadFilesFailAndLeaveTheStoreUnchanged) {
  ASSERT_TRUE(ExportTemplate(store, tpl, "C"));
  const Bytes good = ReadBytes(tpl);
  const auto notSets = Encipher(PortableKeyMaterial(), TerminatedUtf16(test::AsciiUtf16("<Foo><EntitySets/></Foo>")));
  const auto broken = Encipher(PortableKeyMaterial(), TerminatedUtf16(test::AsciiUtf16("<AllSets><EntitySets>")));
  const auto noRoot = Encipher(PortableKeyMaterial(), TerminatedUtf16(test::AsciiUtf16("<AllSets Version=\"1.50\"/>")));
  const auto otherKey = Encipher(DataFileKeyMaterial(HexToBytes("0a1b2c3d4e5f")),
                                 Decipher(good, PortableKeyMaterial()).value_or(Bytes()));
  ASSERT_TRUE(notSets && broken && noRoot && otherKey);
  const MessageId unreadable = MessageId::TemplateUndecipherable;
  const MessageId noSets = MessageId::TemplateWithoutSets;
  const std::tuple<const char*, Bytes, MessageId> files[] = {
      {"not-sets.tpl", *notSets, noSets},
      {"broken.tpl", *broken, noSets},
      {"no-root.tpl", *noRoot, noSets},
      {"other-key.tpl", *otherKey, unreadable},
      {"truncated.tpl", Bytes(good.begin(), good.end() - 8), unreadable},
      {"garbage.tpl", Bytes(good.size(), 0x5A), unreadable},
      {"empty.tpl", Bytes(), unreadable},
  };

  CFileSetStore target;
  MakeTarget(target, "target.db");
  const std::string xml = target.GetXml(false);
  const Bytes onDisk = ReadBytes(temp / "target.db");
  EXPECT_EQ(ImportTemplate(target, temp / "missing.tpl").Reason(), MessageId::CannotReadFile);
  for (const auto& [name, bytes, reason] : files) {
    WriteBytes(temp / name, bytes);
    EXPECT_EQ(ImportTemplate(target, temp / name).Reason(), reason) << name;
    EXPECT_EQ(target.GetXml(false), xml) << name;
  }
  EXPECT_EQ(ReadBytes(temp / "target.db"), onDisk);
}

// A hand-made template: the plain document enciphered with the portable key.
void WriteTemplate(const std::string& path, const std::string& xml) {
  const auto cipher = Encipher(PortableKeyMaterial(), TerminatedUtf16(test::AsciiUtf16(xml)));
  ASSERT_TRUE(cipher);
  WriteBytes(path, *cipher);
}

TEST_F(TemplateTest, TheTemplatesRootStandsForTheImportersRoot) {
  WriteTemplate(tpl,
                "<AllSets Version=\"1.50\"><EntitySets RootName=\"Top\">"
                "<FileSet><Name>Top</Name><StorePath Type=\"UsrDef\">/top</StorePath><Elements/><Childs>T</Childs>"
                "<Parents/><ItemPropertys/></FileSet>"
                "<FileSet><Name>T</Name><StorePath Type=\"ExParent\">Top</StorePath><Elements/><Childs>U</Childs>"
                "<Parents>Top</Parents><ItemPropertys/></FileSet>"
                "<FileSet><Name>U</Name><StorePath Type=\"ExParent\">T</StorePath><Elements/><Childs/>"
                "<Parents>T</Parents><ItemPropertys/></FileSet></EntitySets><ViewSetRoot/></AllSets>");
  CFileSetStore target;
  MakeTarget(target, "target.db");
  target.SetStorePath("Home", "/home/u/files", StorePathKind::UsrDef);
  ASSERT_TRUE(ImportTemplate(target, tpl));
  EXPECT_EQ(target.GetStorePath("T").text, "Home");
  EXPECT_EQ(target.GetStorePath("U").text, "T");
  EXPECT_EQ(target.GetEffectiveStorePath("U"), "/home/u/files/T/U");
}

// Documents the store could not work with are refused before anything changes.
TEST_F(TemplateTest, UnusableTemplatesAreRefused) {
  std::string deep;
  for (int i = 0; i < 300000; ++i) deep += "<x>";
  for (int i = 0; i < 300000; ++i) deep += "</x>";
  const auto document = [](const std::string& rootName, const std::string& nameTail) {
    return "<AllSets Version=\"1.50\"><EntitySets RootName=\"" + rootName + "\"><FileSet><Name>" + rootName + nameTail +
           "</Name><Elements/><Childs>T</Childs><Parents/></FileSet><FileSet><Name>T</Name><Elements/>"
           "<Childs/><Parents>" +
           rootName + "</Parents></FileSet></EntitySets></AllSets>";
  };
  CFileSetStore target;
  MakeTarget(target, "target.db");
  const Bytes onDisk = ReadBytes(temp / "target.db");
  for (const auto& xml : {document("", ""), document(" ", ""), document("R", deep)}) {
    WriteTemplate(tpl, xml);
    EXPECT_EQ(ImportTemplate(target, tpl).Reason(), MessageId::TemplateWithoutSets);
    EXPECT_FALSE(target.FindFileSet("T"));
  }
  EXPECT_EQ(ReadBytes(temp / "target.db"), onDisk);
}

TEST_F(TemplateTest, TemplateEncipheredByOpensslImports) {
  TempDir work;
  const std::string xml =
      "<AllSets Version=\"1.50\"><EntitySets RootName=\"R\">"
      "<FileSet><Name>R</Name><StorePath Type=\"UsrDef\">/x</StorePath><Elements/><Childs>T</Childs>"
      "<Parents/><ItemPropertys/></FileSet>"
      "<FileSet><Name>T</Name><StorePath Type=\"ExParent\">R</StorePath><Elements/><Childs/><Parents>R</Parents>"
      "<ItemPropertys><Property Name=\"Pages\" Type=\"NUMBER\" Min=\"0\" Max=\"\" InitValue=\"1\"/></ItemPropertys>"
      "</FileSet></EntitySets><ViewSetRoot/></AllSets>";
  WriteBytes(tpl, test::OpensslTripleDes(work, PortableKeyMaterial(), TerminatedUtf16(test::AsciiUtf16(xml)), true));

  ASSERT_TRUE(ImportTemplate(store, tpl));
  EXPECT_EQ(store.GetParents("T"), NameList{kRootSet});
  const DefinitionList definitions = store.GetDefinitions("T");
  ASSERT_EQ(definitions.size(), 1u);
  EXPECT_EQ(definitions[0].ToString(), "Pages;NUMBER;0;;1;Self");
}

}  // namespace
}  // namespace ovelin

// The library survives what used to damage it: blank names and whitespace-only text.

#include "cli/cli_fixture.h"

namespace ovelin::test {
namespace {

using Json = nlohmann::json;

using CliLibrarySafetyTest = CliTest;

TEST_F(CliLibrarySafetyTest, BlankNamesAreRefusedAndWhitespaceTextIsKept) {
  Init();
  const std::string before = DataBytes();
  EXPECT_EQ(Cli({"set", "add", "\t"}).err, "文件集名称不能为空!\n");
  EXPECT_EQ(Cli({"view", "add", "\t", "我的文档"}).exitCode, 1);
  EXPECT_EQ(Cli({"archive", "--name", " ", "--set", "我的文档", "https://example.org/a"}).exitCode, 2);
  const auto batch = Cli({"archive", "--batch", "-"}, R"([{"Url": "https://example.org/a", "Name": "\n"}])");
  EXPECT_NE(batch.err.find("Name is blank"), std::string::npos) << batch.err;
  EXPECT_EQ(DataBytes(), before);

  // Such names in a document (from elsewhere) still come back, and a save keeps them.
  Restore("<AllSets Version=\"1.50\"><EntitySets RootName=\"R\"><FileSet><Name>R</Name>"
          "<StorePath Type=\"UsrDef\">/srv</StorePath><Elements><File><Name> </Name><Path>https://example.org/a</Path>"
          "<Description>\t</Description><ItemPropertys/></File></Elements><Childs>\t</Childs><Parents/></FileSet>"
          "<FileSet><Name>\t</Name><Elements/><Childs/><Parents>R</Parents></FileSet></EntitySets>"
          "<ViewSetRoot/></AllSets>");
  Ok({"set", "add", "X"});
  EXPECT_EQ(Json::parse(Ok({"--json", "set", "list"})), (Json{"\t", "R", "X"}));
  const Json item = Json::parse(Ok({"--json", "item", "show", "https://example.org/a"}));
  EXPECT_EQ(item["name"], " ");
  EXPECT_EQ(item["description"], "\t");
  EXPECT_EQ(Lines(Ok({"query", "R"})).size(), 2u);
}

}  // namespace
}  // namespace ovelin::test

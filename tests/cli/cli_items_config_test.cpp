// item show|set and the config commands.

#include "cli/cli_fixture.h"

namespace ovelin::test {
namespace {

using Json = nlohmann::json;
using Strings = std::vector<std::string>;

class CliItemsConfigTest : public CliTest {
 protected:
  void SetUp() override { Init(); }
};

TEST_F(CliItemsConfigTest, ItemShowMergesTheItemOfAllItsSets) {
  Restore(SampleDocument());
  const std::string url = "file:///srv/files/Work/report%202024.txt";
  EXPECT_EQ(Lines(Ok({"item", "show", url})), (Strings{"name\treport", "path\t" + url, "description\tyearly",
                                                       "sets\tMusic;Work", "property\tYear;2024"}));
  // A local path stands for its file URL.
  EXPECT_EQ(Json::parse(Ok({"item", "show", "/srv/files/Work/report 2024.txt", "--json"})),
            (Json{{"name", "report"},
                  {"path", url},
                  {"description", "yearly"},
                  {"sets", {"Music", "Work"}},
                  {"properties", {{"Year", "2024"}}}}));
  EXPECT_EQ(Json::parse(Ok({"--json", "item", "show", "https://example.org/a"}))["properties"], Json::object());

  const auto missing = Cli({"item", "show", "file:///srv/files/Work/REPORT%202024.txt"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out, "");
}

TEST_F(CliItemsConfigTest, ItemSetChangesTheItemInPlace) {
  Restore(SampleDocument());
  const std::string url = "file:///srv/files/Work/report%202024.txt";
  EXPECT_EQ(Ok({"item", "set", "/srv/files/Work/report 2024.txt", "--name", "summary", "--description", "", "--prop",
                "Year=2023", "--sets", "Work"}),
            "");
  EXPECT_EQ(Lines(Ok({"item", "show", url})),
            (Strings{"name\tsummary", "path\t" + url, "description\t", "sets\tWork", "property\tYear;2023"}));
}

TEST_F(CliItemsConfigTest, ItemSetRefusesWithAReasonAndSavesNothing) {
  Restore(SampleDocument());
  Ok({"set", "add", "Licenses", "--prop", "Year;NUMBER;1990;2020;2000"});
  const std::string url = "file:///srv/files/Work/report%202024.txt";
  const std::string before = DataBytes();
  const std::vector<std::tuple<Strings, int, std::string>> cases = {
      {{"--prop", "Author=x"}, 1, "修改项目失败!\n文件集Music;Work及其上级都没有定义属性\"Author\"\n"},
      {{"--sets", "Work;Nope"}, 1, "修改项目失败!\n没有名为\"Nope\"的文件集\n"},
      {{"--sets", "Licenses"}, 1, "修改项目失败!\n属性Year的值2024高于文件集Licenses的上限2020\n"},
      {{}, 2, "请给出 --name、--description、--prop 或 --sets 中的至少一项\n"},
      {{"--prop", "Year"}, 2, "--prop 需要 NAME=VALUE，NAME 为属性名：Year\n"},
  };
  for (const auto& [options, exitCode, err] : cases) {
    SCOPED_TRACE(err);
    Strings args{"item", "set", url};
    args.insert(args.end(), options.begin(), options.end());
    const auto result = Cli(args);
    EXPECT_EQ(result.exitCode, exitCode);
    EXPECT_EQ(result.err, err);
    EXPECT_EQ(DataBytes(), before);
  }
}

TEST_F(CliItemsConfigTest, ConfigGetAndXmlShowTheDefaults) {
  const std::vector<std::tuple<std::string, std::string, std::string>> values = {
      {"Pigeonhole", "DragDropPigAutoBelong", "true"},
      {"KeywordsSearch", "UpLowSensitive", "false"},
      {"NoSection", "IncludeAll", ""}};
  for (const auto& [section, key, value] : values) {
    SCOPED_TRACE(key);
    EXPECT_EQ(Ok({"config", "get", section, key}), value + "\n");
    EXPECT_EQ(Json::parse(Ok({"--json", "config", "get", section, key})), value);
  }
  const std::string xml = Ok({"config", "xml"});
  EXPECT_EQ(xml.rfind("<SysConfig", 0), 0u) << xml;
}

TEST_F(CliItemsConfigTest, ConfigSetXmlReplacesTheConfiguration) {
  const std::string file = tmp_ / "config.xml";
  WriteTextFile(file, R"(<SysConfig><KeywordsSearch IncludeAll="FALSE" SearchFileContent="TRUE"/></SysConfig>)");
  Ok({"config", "set-xml", file});
  EXPECT_EQ(Ok({"config", "get", "KeywordsSearch", "IncludeAll"}), "FALSE\n");
  EXPECT_EQ(Ok({"config", "get", "Pigeonhole", "DragDropPigAutoBelong"}), "\n");

  // From stdin; the text that `config xml` prints goes back unchanged.
  const std::string before = Ok({"config", "xml"});
  const auto result = Cli({"config", "set-xml", "-"}, before);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(Ok({"config", "xml"}), before);
}

TEST_F(CliItemsConfigTest, ConfigSetXmlRefusesTextThatIsNoConfiguration) {
  const std::string before = DataBytes();
  for (const auto& text : Strings{"<SysConfig>", "<Other/>", "", "plain"}) {
    SCOPED_TRACE(text);
    const auto result = Cli({"config", "set-xml", "-"}, text);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_FALSE(result.err.empty());
  }
  EXPECT_EQ(Cli({"config", "set-xml", tmp_ / "missing.xml"}).exitCode, 1);
  EXPECT_EQ(DataBytes(), before);
}

}  // namespace
}  // namespace ovelin::test

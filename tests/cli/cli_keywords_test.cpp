// End-to-end: query --keywords and match.
#include <filesystem>

#include "cli/cli_fixture.h"
#include "store/file_url.h"

namespace ovelin::test {
namespace {

namespace fs = std::filesystem;

std::string FileXml(const std::string& name, const std::string& path, const std::string& description,
                    const std::string& properties = "") {
  return "<File><Name>" + name + "</Name><Path>" + path + "</Path><Description>" + description +
         "</Description><ItemPropertys>" + properties + "</ItemPropertys></File>";
}

std::string KeywordConfig(bool content, bool includeAll) {
  return std::string("<SysConfig><KeywordsSearch SearchFileContent=\"") + (content ? "true" : "false") +
         "\" IncludeAll=\"" + (includeAll ? "true" : "false") + "\"/></SysConfig>";
}

// Root ── Garden (property Year) ── Roses; the view set "Blooms" is Roses.
class CliKeywords : public CliTest {
 protected:
  void SetUp() override {
    Init();
    fs::create_directories(files_);
    WriteTextFile(files_ + "/tulip care.txt", "Water the TULIPS weekly.\n");
    Restore(Document(KeywordConfig(false, false)));
  }

  std::string Document(const std::string& config) const {
    const std::string care = LocalPathToFileUrl(files_ + "/tulip care.txt");
    return "<AllSets Version=\"1.50\"><EntitySets RootName=\"Root\">"
           "<FileSet><Name>Root</Name><StorePath Type=\"UsrDef\">/srv</StorePath><Elements/>"
           "<Childs>Garden</Childs><Parents/><ItemPropertys/></FileSet>"
           "<FileSet><Name>Garden</Name><StorePath Type=\"ExParent\">Root</StorePath><Elements>" +
           FileXml("rose tulip", "file:///srv/b%20rose.txt", "", "<Property Name=\"Year\" Value=\"2023\"/>") +
           FileXml("tulip", "file:///srv/c.txt", "") + FileXml("care", care, "spring") +
           FileXml("shop", "https://example.org/tulip", "Tulip bulbs") +
           "</Elements><Childs>Roses</Childs><Parents>Root</Parents>"
           "<ItemPropertys><Property Name=\"Year\" Type=\"NUMBER\" Min=\"\" Max=\"\" InitValue=\"0\"/>"
           "</ItemPropertys></FileSet>"
           "<FileSet><Name>Roses</Name><StorePath Type=\"ExParent\">Garden</StorePath><Elements>" +
           FileXml("old rose", "file:///srv/a.txt", "") +
           "</Elements><Childs/><Parents>Garden</Parents><ItemPropertys/></FileSet>"
           "</EntitySets><ViewSetRoot><ViewSet Name=\"Blooms\" Expression=\"Roses\"/></ViewSetRoot>" +
           config + "</AllSets>";
  }

  void SetConfig(bool content, bool includeAll) const {
    const auto result = Cli({"config", "set-xml", "-"}, KeywordConfig(content, includeAll));
    ASSERT_EQ(result.exitCode, 0) << result.err;
  }
};

TEST_F(CliKeywords, QueryOrdersByRankThenPath) {
  const auto lines = Lines(Ok({"query", "Garden", "--keywords", "TULIP rose"}));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "Garden", "file:///srv/b%20rose.txt\trose tulip\tGarden\t2",
                       "file:///srv/a.txt\told rose\tRoses\t1",  // "rose" is in its set's name too: counted once
                       "file:///srv/c.txt\ttulip\tGarden\t1",
                       "https://example.org/tulip\tshop\tGarden\t1",  // by its description
                   }));
}

TEST_F(CliKeywords, QueryJsonCarriesRankOutsideTheProperties) {
  const auto doc = nlohmann::json::parse(Ok({"--json", "query", "Garden", "--keywords", "tulip rose"}));
  ASSERT_EQ(doc["items"].size(), 4u);
  EXPECT_EQ(doc["items"][0]["name"], "rose tulip");
  EXPECT_EQ(doc["items"][0]["rank"], 2);
  EXPECT_EQ(doc["items"][0]["properties"], nlohmann::json({{"Year", "2023"}}));
  EXPECT_EQ(doc["items"][2]["rank"], 1);
  EXPECT_EQ(doc["items"][2]["properties"], nlohmann::json::object());
  const auto plain = nlohmann::json::parse(Ok({"--json", "query", "Garden"}));
  EXPECT_EQ(plain["items"][0]["rank"], 0);
}

TEST_F(CliKeywords, KeywordsAloneSearchUnderTheRootSet) {
  const auto lines = Lines(Ok({"query", "", "--keywords", "  blooms  "}));  // a view set's name
  EXPECT_EQ(lines, (std::vector<std::string>{"Root", "file:///srv/a.txt\told rose\tRoses\t1"}));
  const auto result = Cli({"query", "", "--keywords", "   "});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("查询表达式错误，请检查!"), std::string::npos);
}

TEST_F(CliKeywords, ConfigurationIsReadAtEachSearch) {
  struct Case {
    bool content;
    bool includeAll;
    std::vector<std::string> names;  // of the kept items, in output order
  };
  // "water" is only inside care's file; the shop's address holds "tulip" but only
  // its description counts.
  const std::vector<Case> cases = {
      {false, false, {"rose tulip", "tulip", "shop"}},
      {false, true, {}},
      {true, false, {"care", "rose tulip", "tulip", "shop"}},
      {true, true, {"care"}},
  };
  for (const auto& c : cases) {
    SetConfig(c.content, c.includeAll);
    const auto doc = nlohmann::json::parse(Ok({"--json", "query", "Garden-Roses", "--keywords", "tulip water"}));
    std::vector<std::string> names;
    for (const auto& item : doc["items"]) names.push_back(item["name"]);
    EXPECT_EQ(names, c.names) << "content " << c.content << ", include all " << c.includeAll;
  }
}

class CliMatch : public CliTest {
 protected:
  void SetUp() override {
    fs::create_directories(files_ + "/folder/deep");
    WriteTextFile(files_ + "/plain.txt", "A Quick Brown Fox\n");
    WriteTextFile(files_ + "/page.html", "<html><body><p>Grüße aus <b>Köln</b></p></body></html>");
    WriteTextFile(files_ + "/be.txt", std::string("\xFE\xFF\0H\0E\0R\0O", 10));
    WriteTextFile(files_ + "/song.mp3", "fox fox fox");
    WriteTextFile(files_ + "/folder/deep/Hidden Name.dat", "");
  }
};

TEST_F(CliMatch, AnswersByFileKind) {
  struct Case {
    std::string keyword;
    std::string path;
    std::string answer;
  };
  const std::vector<Case> cases = {
      {"QUICK brown", "plain.txt", "true"}, {"fox", "song.mp3", "false"},  // no reader for this kind
      {"KÖLN", "page.html", "true"},                                       // element text, lower-cased
      {"body", "page.html", "false"},                                      // markup is not text
      {"hero", "be.txt", "true"},                                          // UTF-16 big-endian with its mark
      {"hidden", "folder", "true"},                                        // an entry name two levels down
      {"fox", "folder", "false"},           {"fox", "missing.txt", "false"},
  };
  for (const auto& c : cases) {
    const auto result = CliRaw({"match", c.keyword, files_ + "/" + c.path});
    EXPECT_EQ(result.exitCode, 0) << c.path;
    EXPECT_EQ(result.out, c.answer + "\n") << c.keyword << " in " << c.path;
  }
}

TEST_F(CliMatch, TakesRelativePathsNeedsNoDataFileAndPrintsJson) {
  const std::string relative = fs::relative(files_ + "/plain.txt", fs::current_path()).string();
  ASSERT_NE(relative.front(), '/');
  const auto result = CliRaw({"--data-dir", tmp_ / "nowhere", "--json", "match", "fox", relative});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(nlohmann::json::parse(result.out), nlohmann::json(true));
  EXPECT_FALSE(fs::exists(tmp_ / "nowhere"));
  EXPECT_EQ(CliRaw({"match", "", files_ + "/plain.txt"}).exitCode, 2);
  EXPECT_EQ(CliRaw({"match", "fox"}).exitCode, 2);
}

}  // namespace
}  // namespace ovelin::test

// End-to-end: query and view commands.
#include "cli/cli_fixture.h"

namespace ovelin::test {
namespace {

class CliQueryView : public CliTest {
 protected:
  void SetUp() override {
    Init();
    Restore(SampleDocument());
  }
};

TEST_F(CliQueryView, QueryPrintsNormalisedTextThenItemsInPathOrder) {
  const auto lines = Lines(Ok({"query", "Music+Work"}));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "Music+Work");
  EXPECT_EQ(lines[1], "file:///srv/files/Work/report%202024.txt\treport\tMusic;Work\t0");
  EXPECT_EQ(lines[2], "https://example.org/a\tsite\tMusic\t0");
  EXPECT_EQ(Lines(Ok({"query", "Music-Work"})),
            (std::vector<std::string>{"Music-Work", "https://example.org/a\tsite\tMusic\t0"}));
  EXPECT_EQ(Lines(Ok({"query", "Work Year>2023"})).size(), 2u);
  EXPECT_EQ(Lines(Ok({"query", "Work Year>2024"})).size(), 1u);
}

TEST_F(CliQueryView, QueryJsonCarriesLeavesGroupingAndProperties) {
  const auto doc = nlohmann::json::parse(Ok({"--json", "query", "Root-Music^Recent"}));
  EXPECT_EQ(doc["expression"], "Root-Music^Work");
  EXPECT_EQ(doc["grouping"], nlohmann::json::array({"Root:Music;Work"}));
  ASSERT_EQ(doc["items"].size(), 1u);  // Root minus the item in both Music and Work
  EXPECT_EQ(doc["items"][0]["path"], "https://example.org/a");
  EXPECT_EQ(doc["items"][0]["rank"], 0);
  EXPECT_TRUE(doc["positive_leaves"].is_array());
  const auto work = nlohmann::json::parse(Ok({"--json", "query", "Work"}));
  EXPECT_EQ(work["items"][0]["properties"], nlohmann::json({{"Year", "2024"}}));
  EXPECT_EQ(work["items"][0]["sets"], nlohmann::json::array({"Work"}));  // the sets it was found in
}

TEST_F(CliQueryView, BadExpressionsFailWithTheMessage) {
  for (const std::string expression : {"Nope", "Work(", "Music Year>1", "Work Year>\"x\"", "+", ""}) {
    const auto result = Cli({"query", expression});
    EXPECT_EQ(result.exitCode, 1) << expression;
    EXPECT_NE(result.err.find("查询表达式错误，请检查!"), std::string::npos) << expression;
  }
}

TEST_F(CliQueryView, ViewSetLifecycle) {
  Ok({"view", "add", "Both", "Music^Work"});
  EXPECT_EQ(Lines(Ok({"view", "list"})), (std::vector<std::string>{"Both", "Recent"}));
  EXPECT_EQ(Lines(Ok({"view", "show", "Both"})), (std::vector<std::string>{"Music^Work"}));
  EXPECT_EQ(Lines(Ok({"query", "Both"})).size(), 2u);
  Ok({"view", "set", "Both", "Music"});
  Ok({"view", "rename", "Both", "Tunes"});
  EXPECT_EQ(nlohmann::json::parse(Ok({"--json", "view", "list"})), nlohmann::json::array({"Recent", "Tunes"}));
  Ok({"view", "rm", "Tunes"});
  EXPECT_EQ(Lines(Ok({"view", "list"})), (std::vector<std::string>{"Recent"}));
}

TEST_F(CliQueryView, RenamesFollowThroughViewSetsAndRemovalsNameThem) {
  Ok({"view", "add", "Outer", "Recent+Music"});
  Ok({"set", "rename", "Music", "Tunes"});
  Ok({"view", "rename", "Recent", "Latest"});
  EXPECT_EQ(Lines(Ok({"view", "show", "Outer"})), (std::vector<std::string>{"Latest+Tunes"}));
  const CommandResult removed = Cli({"set", "rm", "Tunes"});
  EXPECT_EQ(removed.exitCode, 0);
  EXPECT_NE(removed.err.find("Outer"), std::string::npos) << removed.err;
  const CommandResult viewRemoved = Cli({"view", "rm", "Latest"});
  EXPECT_EQ(viewRemoved.exitCode, 0);
  EXPECT_NE(viewRemoved.err.find("Outer"), std::string::npos) << viewRemoved.err;
}

TEST_F(CliQueryView, ViewSetRefusalsLeaveTheDataFile) {
  const std::string before = DataBytes();
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"view", "add", "Work", "Music"}, "新增视图集失败"},      // an entity set's name
      {{"view", "add", "a b", "Music"}, "新增视图集失败"},       // illegal character
      {{"view", "add", "Self", "Self"}, "新增视图集失败"},       // names itself
      {{"view", "add", "Bad", "Music+"}, "新增视图集失败"},      // does not evaluate
      {{"view", "set", "Recent", "Recent"}, "表达式语法错误"},   // would refer to itself
      {{"view", "rename", "Recent", "Music"}, "名称错误"},       // name in use
      {{"view", "rm", "Nothing"}, "删除视图集失败"},
  };
  for (const auto& c : cases) {
    const auto result = Cli(c.args);
    EXPECT_EQ(result.exitCode, 1) << c.args[1] << " " << c.args[2];
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
  }
  EXPECT_EQ(DataBytes(), before);
}

}  // namespace
}  // namespace ovelin::test

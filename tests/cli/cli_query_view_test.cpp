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

TEST_F(CliQueryView, BadExpressionsFailWithTheMessageThenTheCauseAndWhere) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Nope", "第1个字符处：没有名为\"Nope\"的文件集或视图集"},
      {"Work(", "第5个字符处：前面缺少运算符 + - ^"},
      {"Music Year>1", "第7个字符处：文件集\"Music\"没有定义属性\"Year\""},
      {"Work Year>\"x\"", "第6个字符处：属性\"Year\"是数值（NUMBER），值不能加双引号"},
      {"+", "第1个字符处：\"+\"前面缺少文件集或视图集"},
      {"", "表达式为空"},
  };
  for (const auto& [expression, reason] : cases) {
    const auto result = Cli({"query", expression});
    EXPECT_EQ(result.exitCode, 1) << expression;
    EXPECT_EQ(result.err, "查询表达式错误，请检查!\n" + reason + "\n") << expression;
  }
}

TEST_F(CliQueryView, BadExpressionWithJsonIsOneObjectOnStderr) {
  const auto result = Cli({"--json", "query", "Work Year==2024"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  ASSERT_EQ(Lines(result.err).size(), 1u) << result.err;
  const auto failure = nlohmann::json::parse(result.err);
  EXPECT_EQ(failure["error"], "查询表达式错误，请检查!");
  EXPECT_EQ(failure["code"], "unknown-operator");
  EXPECT_EQ(failure["reason"].get<std::string>().rfind("第10个字符处：未知的运算符\"==\"", 0), 0u) << failure;
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
    std::string reason;  // the start of the second line
  };
  const std::vector<Case> cases = {
      {{"view", "add", "Work", "Music"}, "新增视图集失败", "已有名为\"Work\"的文件集"},
      {{"view", "add", "a b", "Music"}, "新增视图集失败", "名称\"a b\"中含有非法字符\" \""},
      {{"view", "add", "Self", "Self"}, "新增视图集失败", "第1个字符处：没有名为\"Self\""},  // names itself
      {{"view", "add", "Bad", "Music+"}, "新增视图集失败", "第6个字符处：\"+\"后面缺少"},
      {{"view", "set", "Recent", "Recent"}, "表达式语法错误", "第1个字符处：视图集\"Recent\"的表达式又引用了它自己"},
      {{"view", "rename", "Recent", "Music"}, "名称错误", "已有名为\"Music\"的文件集"},
      {{"view", "rm", "Nothing"}, "删除视图集失败", "没有名为\"Nothing\"的视图集"},
  };
  for (const auto& c : cases) {
    const auto result = Cli(c.args);
    EXPECT_EQ(result.exitCode, 1) << c.args[1] << " " << c.args[2];
    const auto lines = Lines(result.err);
    ASSERT_EQ(lines.size(), 2u) << result.err;
    EXPECT_NE(lines[0].find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(lines[1].rfind(c.reason, 0), 0u) << result.err;
  }
  EXPECT_EQ(DataBytes(), before);
}

}  // namespace
}  // namespace ovelin::test

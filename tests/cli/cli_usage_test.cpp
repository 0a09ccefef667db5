// Usage errors, help, and the global options before or after the command.

#include <regex>

#include "cli/cli_fixture.h"

namespace ovelin::test {
namespace {

using Strings = std::vector<std::string>;

using CliUsageTest = CliTest;

TEST_F(CliUsageTest, WrongUsageExitsWithTwo) {
  Init();
  const std::string before = DataBytes();
  const std::vector<Strings> cases = {
      {},
      {"frobnicate"},
      {"set"},
      {"set", "frobnicate"},
      {"info", "extra"},
      {"set", "show"},
      {"set", "rename", "a"},
      {"set", "add", "X", "--colour", "red"},
      {"set", "rm", "X", "--delete-files=yes"},
      {"--data-dir"},
      {"--bogus", "info"},
      {"config", "get", "KeywordsSearch"},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(args.empty() ? "(none)" : args.back());
    Strings argv = {"--data-dir", data_};
    argv.insert(argv.end(), args.begin(), args.end());
    const auto result = CliRaw(argv);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(result.err.empty());
  }
  EXPECT_EQ(DataBytes(), before);
}

// Each usage error in English and Chinese, and as one JSON object with --json:
// the message, the usage line (or the hint to --help) as its reason, the code.
TEST_F(CliUsageTest, UsageErrorsInBothLanguagesAndAsJson) {
  struct Case {
    Strings args;
    std::string english;
    std::string chinese;
    std::string code;
    std::string usage;  // the command's usage line; empty: the hint to --help
  };
  const std::string showUsage = "ovelin-cli set show NAME";
  const std::vector<Case> cases = {
      {{}, "No command given", "没有给出命令", "no-command", ""},
      {{"frobnicate"}, "Unknown command \"frobnicate\"", "未知命令\"frobnicate\"", "unknown-command", ""},
      {{"set", "frob"}, "Unknown command \"set frob\"", "未知命令\"set frob\"", "unknown-command", ""},
      {{"--bogus", "info"}, "Unknown option --bogus", "未知选项--bogus", "unknown-option", ""},
      {{"set", "show"}, "Missing arguments", "缺少参数", "missing-arguments", showUsage},
      {{"set", "show", "a", "b"}, "Too many arguments", "参数太多", "too-many-arguments", showUsage},
      {{"set", "show", "a", "--colour"}, "Unknown option --colour", "未知选项--colour", "unknown-option", showUsage},
      {{"set", "show", "a", "--data-dir"},
       "The option --data-dir needs a value",
       "选项--data-dir需要一个值",
       "option-needs-value",
       showUsage},
      {{"set", "show", "a", "--json=yes"},
       "The option --json takes no value",
       "选项--json不接受值",
       "option-takes-no-value",
       showUsage},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.english);
    for (const bool english : {true, false}) {
      const auto result = CliRaw(c.args, {}, {english ? "OVELIN_LANG=en" : "OVELIN_LANG=zh"});
      EXPECT_EQ(result.exitCode, 2);
      const Strings lines = Lines(result.err);
      ASSERT_EQ(lines.size(), 2u) << result.err;
      EXPECT_EQ(lines[0], english ? c.english : c.chinese);
      if (!c.usage.empty()) {
        EXPECT_EQ(lines[1], (english ? "usage: " : "用法：") + c.usage);
      }
    }
    Strings json = {"--json"};
    json.insert(json.end(), c.args.begin(), c.args.end());
    const auto result = CliRaw(json, {}, {"OVELIN_LANG=en"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    const auto error = nlohmann::json::parse(result.err);
    EXPECT_EQ(error["error"], c.english);
    EXPECT_EQ(error["code"], c.code);
    EXPECT_EQ(error["reason"], c.usage.empty() ? "Try 'ovelin-cli --help'." : "usage: " + c.usage);
  }
}

TEST_F(CliUsageTest, HelpListsCommandsAndExplainsOne) {
  const auto overview = CliRaw({"--help"});
  EXPECT_EQ(overview.exitCode, 0);
  for (const auto& words :
       Strings{"init", "info", "dump", "restore", "set add", "set tree", "item show", "config set-xml"}) {
    EXPECT_NE(overview.out.find("  " + words), std::string::npos) << words;
  }
  const auto add = CliRaw({"set", "add", "--help"});
  EXPECT_EQ(add.exitCode, 0);
  EXPECT_EQ(add.out.rfind("usage: ovelin-cli set add NAME", 0), 0u) << add.out;
  const auto group = CliRaw({"set", "-h"});
  EXPECT_EQ(group.exitCode, 0);
  EXPECT_NE(group.out.find("set parents"), std::string::npos);
  // After "--" a "--help" is an operand, here a set name.
  Init();
  EXPECT_EQ(Cli({"set", "add", "--", "--help"}).exitCode, 1);
}

TEST_F(CliUsageTest, VersionAndHelpTopics) {
  const auto version = CliRaw({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_TRUE(std::regex_match(version.out, std::regex("ovelin-cli [0-9]+(\\.[0-9]+)+\n"))) << version.out;
  EXPECT_NE(CliRaw({"--help"}).out.find("help query"), std::string::npos);
  const auto language = CliRaw({"help", "query"});
  EXPECT_EQ(language.exitCode, 0);
  for (const auto& text : Strings{"A+B   union", "A^B   intersection", "A-B   difference", "A+B^C means A+(B^C)",
                                  "1<Size<=5", "Author=\"Lu Xun\"", "#空集#"}) {
    EXPECT_NE(language.out.find(text), std::string::npos) << text;
  }
  EXPECT_EQ(CliRaw({"help", "set", "add"}).out, CliRaw({"set", "add", "--help"}).out);
  EXPECT_NE(CliRaw({"help", "set"}).out.find("set parents"), std::string::npos);
  const auto unknown = CliRaw({"help", "frobnicate"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_EQ(unknown.out, "");
}

// The examples of "help query" run against the library they describe, so the text
// cannot teach an expression that the program rejects.
TEST_F(CliUsageTest, EveryQueryHelpExampleIsAccepted) {
  Init();
  Ok({"set", "add", "Books", "--prop", "Author;STRING;;;", "--prop", "Pages;NUMBER;;;0"});
  Ok({"set", "add", "Novels", "--parent", "Books"});
  Ok({"set", "add", "Photos", "--prop", "Year;NUMBER;;;2024", "--prop", "Place;STRING;;;"});
  Ok({"set", "add", "Travel"});
  Ok({"view", "add", "Reading", "Novels+Travel"});
  const std::string marker = "  ovelin-cli query '";
  Strings examples;
  for (const auto& line : Lines(CliRaw({"help", "query"}).out)) {
    if (line.rfind(marker, 0) == 0) examples.push_back(line.substr(marker.size(), line.rfind('\'') - marker.size()));
  }
  ASSERT_GE(examples.size(), 6u);
  for (const auto& expression : examples) {
    const auto result = Cli({"query", expression});
    EXPECT_EQ(result.exitCode, 0) << expression << "\n" << result.err;
  }
}

TEST_F(CliUsageTest, GlobalOptionsAfterTheCommandAndFromTheEnvironment) {
  Init();
  const auto after = CliRaw({"info", "--json", "--data-dir", data_});
  ASSERT_EQ(after.exitCode, 0) << after.err;
  EXPECT_EQ(nlohmann::json::parse(after.out)["sets"], 1);
  const auto equals = CliRaw({"set", "list", "--data-dir=" + data_});
  EXPECT_EQ(equals.out, "我的文档\n");
  const auto fromEnvironment = CliRaw({"set", "list"}, {}, {"OVELIN_DATA_DIR=" + data_});
  EXPECT_EQ(fromEnvironment.out, "我的文档\n");
  const auto fromXdg = CliRaw({"set", "list"}, {}, {"OVELIN_DATA_DIR=", "XDG_DATA_HOME=" + tmp_.path()});
  EXPECT_EQ(fromXdg.exitCode, 1);  // $XDG_DATA_HOME/ovelin holds no library
}

}  // namespace
}  // namespace ovelin::test

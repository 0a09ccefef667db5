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

TEST_F(CliUsageTest, HelpListsCommandsAndExplainsOne) {
  const auto overview = CliRaw({"--help"});
  EXPECT_EQ(overview.exitCode, 0);
  for (const auto& words : Strings{"init", "info", "dump", "restore", "set add", "set tree", "item show", "config set-xml"}) {
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

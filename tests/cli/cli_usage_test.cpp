// Usage errors, help, and the global options before or after the command.

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

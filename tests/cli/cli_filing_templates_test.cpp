// template export|import: the set structure carried to another library.

#include <filesystem>

#include "cli/cli_filing_fixture.h"

namespace ovelin::test {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;
using Strings = std::vector<std::string>;

constexpr const char* kRoot = "我的文档";

class CliTemplatesTest : public CliFilingTest {
 protected:
  void SetUp() override {
    CliFilingTest::SetUp();
    Ok({"set", "add", "A", "--parent", "Docs", "--prop", "Kind;STRING;;;x"});
    Ok({"set", "add", "B", "--parent", "A"});
    Ok({"set", "add", "C", "--parent", "B", "--prop", "Year;NUMBER;2000;2100;2024", "--note", "leaf"});
    Ok({"set", "add", "Other"});
    Ok({"archive", "--set", "C", "--store-set", "C", Source("c.txt", "c")});
    const auto init = OtherLibrary({"init", "--root-path", tmp_ / "other-files"});
    ASSERT_EQ(init.exitCode, 0) << init.err;
  }

  CommandResult OtherLibrary(Strings args, const std::string& input = {}) const {
    args.insert(args.begin(), {"--data-dir", other_});
    return CliRaw(args, input);
  }
  Json OtherJson(const Strings& args) const { return Json::parse(OtherLibrary(args).out); }

  std::string other_ = tmp_ / "other";
};

TEST_F(CliTemplatesTest, BranchTemplateRecreatesTheChainInAnotherLibrary) {
  const std::string tpl = tmp_ / "branch.tpl";
  EXPECT_EQ(Ok({"template", "export", tpl, "--branch", "B"}), "模板导出成功!\n");

  const auto imported = OtherLibrary({"template", "import", tpl});
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_EQ(imported.out, "");
  EXPECT_EQ(OtherJson({"--json", "set", "list"}), (Json{"A", "B", "C", "Docs", kRoot}));
  const Json c = OtherJson({"--json", "set", "show", "C"});
  EXPECT_EQ(c["parents"], Json{"B"});
  EXPECT_EQ(c["note"], "leaf");
  EXPECT_EQ(c["properties"], (Json{"Kind;STRING;;;x;Parent", "Year;NUMBER;2000;2100;2024;Self"}));
  EXPECT_EQ(OtherJson({"--json", "info"})["items"], 0);  // no items travel

  // Importing the same template again changes no set.
  const std::string dump = OtherLibrary({"dump"}).out;
  ASSERT_EQ(OtherLibrary({"template", "import", tpl}).exitCode, 0);
  EXPECT_EQ(OtherLibrary({"dump"}).out, dump);

  // The whole tree brings the rest.
  const std::string all = tmp_ / "all.tpl";
  EXPECT_EQ(Json::parse(Ok({"--json", "template", "export", all})), "模板导出成功!");
  ASSERT_EQ(OtherLibrary({"template", "import", all}).exitCode, 0);
  EXPECT_EQ(OtherJson({"--json", "set", "list"}), (Json{"A", "B", "C", "Docs", "Other", kRoot}));
}

// A set of the branch that extends a parent outside it arrives extending a set
// that the other library lacks: archiving into it says so and moves nothing.
TEST_F(CliTemplatesTest, ArchivingWhereTheExtendedParentStayedBehindFails) {
  Ok({"set", "add", "Both", "--parent", "A", "--parent", "Other", "--extend", "Other"});
  const std::string tpl = tmp_ / "branch.tpl";
  Ok({"template", "export", tpl, "--branch", "A"});
  ASSERT_EQ(OtherLibrary({"template", "import", tpl}).exitCode, 0);

  const std::string file = Source("both.txt", "both");
  const auto result = OtherLibrary({"--json", "archive", "--store-set", "Both", file});
  EXPECT_EQ(result.exitCode, 1);
  const std::string reason = "文件集Both的存储路径无法到达：文件集Both扩展的父集Other不存在";
  EXPECT_NE(result.err.find(reason + "\n" + FileUrl(file)), std::string::npos) << result.err;
  const Json entry = Json::parse(result.out).at(0);
  EXPECT_EQ(entry["status"], "failed");
  EXPECT_EQ(entry["reason"], reason);
  EXPECT_TRUE(fs::is_regular_file(file));
}

TEST_F(CliTemplatesTest, FailuresPrintTheMessageAndChangeNothing) {
  const std::string notTemplate = tmp_ / "plain.tpl";
  WriteTextFile(notTemplate, "<AllSets/>");
  struct Case {
    Strings args;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"template", "export", tmp_ / "x.tpl", "--branch", "Nope"}, "模板导出失败!"},
      {{"template", "export", tmp_ / "no/folder/x.tpl"}, "模板导出失败!"},
      {{"template", "import", tmp_ / "missing.tpl"}, "模板导入失败!"},
      {{"template", "import", notTemplate}, "模板导入失败!"},
  };
  const std::string before = DataBytes();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[2]);
    const auto result = Cli(c.args);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(Lines(result.err).front(), c.message);
  }
  EXPECT_FALSE(fs::exists(tmp_ / "x.tpl"));
  EXPECT_EQ(DataBytes(), before);
}

}  // namespace
}  // namespace ovelin::test

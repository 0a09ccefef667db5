// The set commands: list, tree, show, add, rename, parents, path, props, note, rm.

#include "cli/cli_fixture.h"

namespace ovelin::test {
namespace {

using Json = nlohmann::json;
using Strings = std::vector<std::string>;

constexpr const char* kRoot = "我的文档";

class CliSetsTest : public CliTest {
 protected:
  void SetUp() override { Init(); }

  // Runs a command that must fail with `code` and leave the data file unchanged;
  // returns its stderr.
  std::string Refused(const Strings& args, int code = 1) const {
    const std::string before = DataBytes();
    const auto result = Cli(args);
    EXPECT_EQ(result.exitCode, code) << args[1] << ": " << result.err;
    EXPECT_EQ(DataBytes(), before);
    return result.err;
  }

  Json Show(const std::string& name) const { return Json::parse(Ok({"--json", "set", "show", name})); }
};

TEST_F(CliSetsTest, AddWithParentsPathsPropertiesAndNote) {
  Ok({"set", "add", "工作", "--note", "Everything from work"});
  Ok({"set", "add", "Home", "--path", "/srv/home/"});
  Ok({"set", "add", "Tax", "--parent", "工作", "--parent", "Home", "--parent", "工作", "--prop",
      "Year;NUMBER;2000;2100;2024"});
  Ok({"set", "add", "Q1", "--parent", "Tax", "--parent", "Home", "--extend", "Home"});

  EXPECT_EQ(Show("工作"), (Json{{"name", "工作"},
                                {"path_kind", "ExParent"},
                                {"path", kRoot},
                                {"effective_path", files_ + "/工作"},
                                {"parents", {kRoot}},
                                {"children", {"Tax"}},
                                {"properties", Json::array()},
                                {"note", "Everything from work"}}));
  // Without --extend a set extends the first parent given.
  const Json tax = Show("Tax");
  EXPECT_EQ(tax["path"], "工作");
  EXPECT_EQ(tax["parents"], (Json{"Home", "工作"}));
  EXPECT_EQ(tax["properties"], Json{"Year;NUMBER;2000;2100;2024;Self"});
  const Json q1 = Show("Q1");
  EXPECT_EQ(q1["effective_path"], "/srv/home/Q1");
  EXPECT_EQ(q1["properties"], Json{"Year;NUMBER;2000;2100;2024;Parent"});

  EXPECT_EQ(Lines(Ok({"set", "show", "Q1"})),
            (Strings{"name\tQ1", "path-kind\tExParent", "path\tHome", "effective-path\t/srv/home/Q1",
                     "parents\tHome;Tax", "children\t", "property\tYear;NUMBER;2000;2100;2024;Parent", "note\t"}));
  EXPECT_EQ(Lines(Ok({"set", "list"})), (Strings{"Home", "Q1", "Tax", "工作", kRoot}));
  EXPECT_EQ(Json::parse(Ok({"set", "list", "--json"})), (Json{"Home", "Q1", "Tax", "工作", kRoot}));
}

TEST_F(CliSetsTest, AddAndRenameRefuseBadAndUsedNames) {
  Restore(SampleDocument());  // sets Root, Music, Work; view set Recent
  struct Case {
    std::string name;
    std::string message;
  };
  const std::string illegal = "文件集名称中含有以下非法字符:\n<>/\\|;:\"?.+-!空格^\n";
  const std::vector<Case> cases = {
      {"", "文件集名称不能为空!\n"},
      {"a b", illegal},
      {"a-b", illegal},
      {"a.b", illegal},
      {"a;b", illegal},
      {"(x)", illegal},
      {"Work", ""},
      {"Recent", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string addError = Refused({"set", "add", c.name});
    const std::string renameError = Refused({"set", "rename", "Music", c.name});
    if (!c.message.empty()) {
      EXPECT_EQ(addError.rfind(c.message, 0), 0u) << addError;  // an illegal name's reason follows
      EXPECT_EQ(renameError.rfind(c.message, 0), 0u) << renameError;
    } else {
      // The second line says whether a set or a view set has the name.
      const bool set = c.name == "Work";
      const std::string reason = "已有名为\"" + c.name + (set ? "\"的文件集\n" : "\"的视图集\n");
      EXPECT_EQ(addError, "名称已经存在！\n" + reason);
      EXPECT_EQ(renameError, (set ? "名称和现存文件集冲突！\n" : "名称已经存在！\n") + reason);
    }
  }
  EXPECT_NE(Refused({"set", "rename", "Nope", "New"}).find("没有名为\"Nope\"的文件集"), std::string::npos);
  Ok({"set", "rename", "Music", "Music"});  // the same name: nothing to do
  Ok({"set", "rename", "Root", "Top"});
  EXPECT_EQ(Json::parse(Ok({"--json", "info"}))["root"], "Top");
}

TEST_F(CliSetsTest, AddRefusesUnknownParentsAndBadStorePaths) {
  Ok({"set", "add", "A"});
  EXPECT_NE(Refused({"set", "add", "X", "--parent", "A", "--parent", "Nope"}).find("Nope"), std::string::npos);
  EXPECT_NE(Refused({"set", "add", "X", "--parent", "A", "--extend", kRoot}).find("不是该文件集的父集"),
            std::string::npos);
  Refused({"set", "add", "X", "--path", "/a", "--extend", "A"}, 2);
  Refused({"set", "add", "X", "--parent"}, 2);
}

TEST_F(CliSetsTest, PropertyDefinitionsAreCheckedBeforeAnythingChanges) {
  Ok({"set", "add", "A", "--prop", "Size;NUMBER;0;;0"});
  Ok({"set", "add", "B", "--prop", "Size;STRING;;;"});
  struct Case {
    Strings args;
    int code;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"--prop", "Size;NUMBER"}, 2, ""},
      {{"--prop", "Size;DATE;;;"}, 2, ""},
      {{"--prop", "Size;NUMBER;;;;Mine"}, 2, ""},
      {{"--prop", "my size;NUMBER;;;"}, 1, "属性名称中含有一下非法字符：\n<>/\\|;:\"?.+-()空格^\n"},
      {{"--prop", ";NUMBER;;;"}, 1, "属性名称中含有一下非法字符：\n<>/\\|;:\"?.+-()空格^\n"},
      {{"--prop", "N;NUMBER;;;", "--prop", "N;NUMBER;;;"}, 1, "属性命名冲突!\n属性\"N\"定义了不止一次\n"},
      {{"--parent", "A", "--prop", "Size;STRING;;;"}, 1, "属性命名冲突!\n"},
      {{"--parent", "A", "--parent", "B"}, 1, "父集属性命名冲突!\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.back());
    Strings add = {"set", "add", "X"};
    add.insert(add.end(), c.args.begin(), c.args.end());
    const std::string error = Refused(add, c.code);
    if (!c.message.empty()) {
      EXPECT_EQ(error, c.message);
    }
  }
  // The same definition as the parent's is fine: the child's own replaces it.
  Ok({"set", "add", "X", "--parent", "A", "--prop", "Size;NUMBER;1;9;1"});
  EXPECT_EQ(Show("X")["properties"], Json{"Size;NUMBER;1;9;1;Ext"});
}

TEST_F(CliSetsTest, PropsReplacesOwnDefinitionsOnly) {
  Ok({"set", "add", "A", "--prop", "Size;NUMBER;0;;0"});
  Ok({"set", "add", "B", "--parent", "A", "--prop", "Author;STRING;;;nobody", "--prop", "Pages;NUMBER;;;1"});
  Ok({"set", "props", "B", "--prop", "Pages;NUMBER;1;999;1", "--prop", "Tag;STRING;;;"});
  EXPECT_EQ(Show("B")["properties"],
            (Json{"Size;NUMBER;0;;0;Parent", "Pages;NUMBER;1;999;1;Self", "Tag;STRING;;;;Self"}));

  EXPECT_EQ(Refused({"set", "props", "B", "--prop", "Size;STRING;;;"}), "属性命名冲突!\n");
  EXPECT_NE(Refused({"set", "props", "B", "--prop", "Pages;STRING;;;"}).find("的类型不能更改"), std::string::npos);
  Refused({"set", "props", "Nope"});
  Ok({"set", "props", "B"});
  EXPECT_EQ(Show("B")["properties"], Json{"Size;NUMBER;0;;0;Parent"});

  // An override stays when left out; --inherit drops it.
  Ok({"set", "props", "B", "--prop", "Size;NUMBER;5;;5"});
  Ok({"set", "props", "B"});
  EXPECT_EQ(Show("B")["properties"], Json{"Size;NUMBER;5;;5;Ext"});
  Ok({"set", "props", "B", "--inherit", "Size"});
  EXPECT_EQ(Show("B")["properties"], Json{"Size;NUMBER;0;;0;Parent"});
  EXPECT_NE(Refused({"set", "props", "B", "--inherit", "Size"}).find("没有覆盖继承来的属性"), std::string::npos);
}

TEST_F(CliSetsTest, TreeRepeatsSetsUnderEachParentInNameOrderDownToADepth) {
  Ok({"set", "add", "b"});
  Ok({"set", "add", "B"});
  Ok({"set", "add", "a", "--parent", "b"});
  Ok({"set", "add", "shared", "--parent", "b", "--parent", "B"});
  Ok({"set", "add", "leaf", "--parent", "shared"});
  EXPECT_EQ(Lines(Ok({"set", "tree"})),
            (Strings{kRoot, "  B", "    shared", "      leaf", "  b", "    a", "    shared", "      leaf"}));
  const Json shared = {{"name", "shared"}, {"children", {{{"name", "leaf"}, {"children", Json::array()}}}}};
  const Json tree = Json::parse(Ok({"--json", "set", "tree"}));
  EXPECT_EQ(tree, (Json{{"name", kRoot},
                        {"children",
                         {{{"name", "B"}, {"children", {shared}}},
                          {{"name", "b"}, {"children", {{{"name", "a"}, {"children", Json::array()}}, shared}}}}}}));

  EXPECT_EQ(Lines(Ok({"set", "tree", "--depth", "2"})),
            (Strings{kRoot, "  B", "    shared", "  b", "    a", "    shared"}));
  EXPECT_EQ(Lines(Ok({"set", "tree", "--depth=0"})), Strings{kRoot});
  EXPECT_EQ(Json::parse(Ok({"--json", "set", "tree", "--depth", "0"})),
            (Json{{"name", kRoot}, {"children", Json::array()}}));
  for (const std::string bad : {"-1", "x", "1.5", "", "+2"}) {
    EXPECT_NE(Refused({"set", "tree", "--depth", bad}, 2).find("--depth"), std::string::npos) << bad;
  }
}

TEST_F(CliSetsTest, TreeEndsOnCyclicDocument) {
  // A document written elsewhere may hold a cycle of parent links.
  Restore(R"(<AllSets Version="1.50"><EntitySets RootName="R">
      <FileSet><Name>R</Name><StorePath Type="UsrDef">/s</StorePath><Elements/><Childs>A</Childs><Parents/><ItemPropertys/></FileSet>
      <FileSet><Name>A</Name><StorePath Type="ExParent">R</StorePath><Elements/><Childs>B</Childs><Parents>B;R</Parents><ItemPropertys/></FileSet>
      <FileSet><Name>B</Name><StorePath Type="ExParent">A</StorePath><Elements/><Childs>A</Childs><Parents>A</Parents><ItemPropertys/></FileSet>
      </EntitySets><ViewSetRoot/><SysConfig/></AllSets>)");
  EXPECT_EQ(Lines(Ok({"set", "tree"})), (Strings{"R", "  A", "    B"}));
}

TEST_F(CliSetsTest, ParentsRefusesCyclesAndUnknownSets) {
  Ok({"set", "add", "A"});
  Ok({"set", "add", "B", "--parent", "A"});
  Ok({"set", "add", "C", "--parent", "B"});
  const std::vector<std::pair<std::string, std::string>> links = {{"A", "A"}, {"A", "C"}, {"B", "C"}};
  for (const auto& [set, parent] : links) {
    SCOPED_TRACE(set + " <- " + parent);
    EXPECT_NE(Refused({"set", "parents", set, kRoot, parent}).find("本身或其子孙"), std::string::npos);
  }
  Refused({"set", "parents", kRoot, "C"});
  Refused({"set", "parents", "C", "Nope"});
  Refused({"set", "parents", "Nope", "A"});
  Refused({"set", "parents", "C"}, 2);
}

TEST_F(CliSetsTest, ParentsMovesSetAndItsExtendedPath) {
  Ok({"set", "add", "A", "--prop", "Size;NUMBER;;;0"});
  Ok({"set", "add", "B"});
  Ok({"set", "add", "Z"});
  Ok({"set", "add", "C", "--parent", "A"});
  Ok({"set", "parents", "C", "B", "Z"});
  const Json c = Show("C");
  EXPECT_EQ(c["parents"], (Json{"B", "Z"}));
  EXPECT_EQ(c["path"], "Z");  // it extended A, which it left
  EXPECT_EQ(c["properties"], Json::array());
}

TEST_F(CliSetsTest, PathAndNote) {
  Ok({"set", "add", "A"});
  Ok({"set", "add", "B", "--parent", "A"});
  Ok({"set", "path", "A", "--path", "/data/a"});
  Ok({"set", "note", "B", "两个字"});
  EXPECT_EQ(Show("B")["effective_path"], "/data/a/B");
  EXPECT_EQ(Show("B")["note"], "两个字");
  Ok({"set", "path", "A", "--extend", kRoot});
  EXPECT_EQ(Show("B")["effective_path"], files_ + "/A/B");

  Refused({"set", "path", "B"}, 2);
  Refused({"set", "path", "B", "--extend", kRoot});
  Refused({"set", "path", "Nope", "--path", "/x"});
  Refused({"set", "note", "Nope", "x"});
}

TEST_F(CliSetsTest, RemoveDeletesOrphanedChildrenAndNeverTheRoot) {
  Ok({"set", "add", "A"});
  Ok({"set", "add", "OnlyA", "--parent", "A"});
  Ok({"set", "rm", "A"});
  EXPECT_EQ(Lines(Ok({"set", "list"})), (Strings{kRoot}));
  EXPECT_NE(Refused({"set", "rm", kRoot}).find("根文件集"), std::string::npos);
  Refused({"set", "rm", "Nope"});
}

}  // namespace
}  // namespace ovelin::test

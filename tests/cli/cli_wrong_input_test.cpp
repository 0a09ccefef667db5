// Wrong inputs that are not usage mistakes: each command's refusal says what failed
// and why, in English and Chinese, and as one JSON object with --json; the data
// file stays as it was.

#include <filesystem>

#include "cli/cli_fixture.h"

namespace ovelin::test {
namespace {

using Strings = std::vector<std::string>;

struct Row {
  Strings args;  // "{item}", "{src}" and "{none}" stand for the archived item, the source folder, a folder without a
                 // library
  int exitCode;
  std::string code;
  std::string english;  // a fragment of the English reason
  std::string chinese;  // a fragment of the Chinese reason
};

const std::vector<Row> kRows = {
    {{"set", "add", "a+b"}, 1, "name-illegal", "illegal character \"+\"", "非法字符\"+\""},
    {{"set", "add", "X", "--parent", "Nope"},
     1,
     "unknown-parent",
     "no parent set named \"Nope\"",
     "没有名为\"Nope\"的父集"},
    {{"set", "add", "Recent"},
     1,
     "name-used-by-view-set",
     "A view set is named \"Recent\"",
     "已有名为\"Recent\"的视图集"},
    {{"set", "add", "X", "--prop", "P;DATE;;;"}, 2, "bad-definition-type", "NUMBER or STRING", "NUMBER 或 STRING"},
    {{"set", "rename", "Music", "Recent"}, 1, "name-used-by-view-set", "A view set is named", "的视图集"},
    {{"set", "parents", "Books", "Novels"}, 1, "parent-cycle", "one of its descendants", "本身或其子孙"},
    {{"set", "path", "Novels", "--extend", "Music"},
     1,
     "extend-not-a-parent",
     "\"Music\" is not a parent",
     "\"Music\"不是该文件集的父集"},
    {{"set", "props", "Books", "--prop", "Author;NUMBER;;;0"},
     1,
     "type-unchangeable",
     "type of property \"Author\"",
     "属性\"Author\"的类型不能更改"},
    {{"set", "rm", "Top"}, 1, "root-set-undeletable", "root set \"Top\"", "根文件集\"Top\""},
    {{"view", "add", "a b", "Books"}, 1, "name-illegal", "illegal character \" \"", "非法字符\" \""},
    {{"view", "add", "V", "Books+"}, 1, "operand-missing-at-end", "At character 6", "第6个字符处"},
    {{"view", "add", "Music", "Books"},
     1,
     "name-used-by-set",
     "An entity set is named \"Music\"",
     "已有名为\"Music\"的文件集"},
    {{"query", "Books+Nope"},
     1,
     "unknown-name",
     "At character 7: no entity set or view set is named \"Nope\"",
     "第7个字符处：没有名为\"Nope\"的文件集或视图集"},
    {{"query", "Books Pages==3"}, 1, "unknown-operator", "unknown operator \"==\"", "未知的运算符\"==\""},
    {{"query", "Books Author='x'"}, 1, "text-needs-quotes", "double quotes", "双引号"},
    {{"query", "Books Author=x"}, 1, "text-needs-quotes", "double quotes", "双引号"},
    {{"query", "(Books+Music"},
     1,
     "unclosed-parenthesis",
     "At character 1: the \"(\" is never closed",
     "第1个字符处的\"(\""},
    {{"item", "set", "file:///nope", "--name", "x"}, 1, "unknown-item", "no item with the path", "没有路径为"},
    {{"item", "set", "{item}", "--prop", "Nope=1"}, 1, "item-property-undefined", "property \"Nope\"", "属性\"Nope\""},
    {{"item", "set", "{item}", "--sets", "Books;Nope"},
     1,
     "unknown-set",
     "no entity set named \"Nope\"",
     "没有名为\"Nope\"的文件集"},
    {{"item", "set", "{item}", "--prop", "Pages=500"}, 1, "value-out-of-range", "above the maximum 100", "上限100"},
    {{"archive", "--set", "Music", "--prop", "Pages=3", "{src}/a.txt"},
     1,
     "undefined-item-property",
     "property \"Pages\"",
     "属性\"Pages\""},
    {{"archive", "{src}/folder"}, 2, "folder-target", "-r/--recursive", "-r/--recursive"},
    {{"archive", "{src}/missing.txt"}, 1, "no-such-target", "No such file or folder", "没有这个文件或文件夹"},
    {{"template", "import", "{src}/missing.tpl"}, 1, "cannot-read-file", "Cannot read the file", "无法读取文件"},
    {{"template", "import", "{src}/a.txt"}, 1, "template-undecipherable", "is not a template file", "不是模板文件"},
    {{"restore", "{src}/a.txt"}, 1, "not-set-document", "AllSets root element", "不是以AllSets为根元素的XML文档"},
    {{"rm-items", "file:///nowhere/x"}, 1, "unknown-item", "no item with the path", "没有路径为"},
    {{"match", "", "{src}/a.txt"}, 2, "keyword-empty", "--help", "--help"},
    {{"--data-dir", "{none}", "info"}, 1, "no-library", "run ovelin-cli init", "请先运行 ovelin-cli init"},
};

bool HasChinese(const std::string& text) {
  for (const unsigned char c : text) {
    if (c >= 0xE4 && c <= 0xE9) return true;  // lead byte of the common CJK ideographs
  }
  return false;
}

std::string Expand(std::string word, const std::string& token, const std::string& value) {
  if (const size_t at = word.find(token); at != std::string::npos) word.replace(at, token.size(), value);
  return word;
}

class CliWrongInputTest : public CliTest {
 protected:
  // Sets Books (Author text, Pages 1..100) with the child Novels, Music, the view
  // set Recent; one file archived into Books; the root renamed to "Top".
  void SetUp() override {
    Init();
    Ok({"set", "rename", "我的文档", "Top"});
    Ok({"set", "add", "Books", "--prop", "Author;STRING;;;", "--prop", "Pages;NUMBER;1;100;1"});
    Ok({"set", "add", "Novels", "--parent", "Books"});
    Ok({"set", "add", "Music"});
    Ok({"view", "add", "Recent", "Books+Music"});
    std::filesystem::create_directories(src_ + "/folder");
    WriteTextFile(src_ + "/a.txt", "text");
    WriteTextFile(src_ + "/b.txt", "text");
    const std::string filed = Ok({"archive", "--set", "Books", "--prop", "Pages=5", src_ + "/b.txt"});
    item_ = Lines(filed).at(0).substr(filed.find('\t') + 1);
  }

  // The row's words with the data folder first, unless the row names its own.
  Strings Arguments(const Row& row, bool json) const {
    Strings argv = json ? Strings{"--json"} : Strings{};
    if (row.args.front() != "--data-dir") argv.insert(argv.end(), {"--data-dir", data_});
    for (const auto& word : row.args) {
      argv.push_back(Expand(Expand(Expand(word, "{item}", item_), "{src}", src_), "{none}", tmp_ / "none"));
    }
    return argv;
  }

  std::string src_ = tmp_ / "src";
  std::string item_;
};

TEST_F(CliWrongInputTest, EachRefusalGivesMessageReasonAndCode) {
  const std::string before = DataBytes();
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.args.front() + " " + row.args.at(1) + " " + row.code);
    Strings english;
    for (const bool inEnglish : {true, false}) {
      const auto result = CliRaw(Arguments(row, false), {}, {inEnglish ? "OVELIN_LANG=en" : "OVELIN_LANG=zh"});
      EXPECT_EQ(result.exitCode, row.exitCode);
      EXPECT_EQ(result.out, "");
      // The message (a set name's may take two lines), then the reason on the last line.
      const Strings lines = Lines(result.err);
      ASSERT_GE(lines.size(), 2u) << result.err;
      EXPECT_NE(lines.back().find(inEnglish ? row.english : row.chinese), std::string::npos) << lines.back();
      for (const auto& line : lines) EXPECT_EQ(HasChinese(line), !inEnglish) << line;
      if (inEnglish) english = {result.err.substr(0, result.err.size() - lines.back().size() - 2), lines.back()};
    }
    const auto result = CliRaw(Arguments(row, true), {}, {"OVELIN_LANG=en"});
    EXPECT_EQ(result.exitCode, row.exitCode);
    const auto error = nlohmann::json::parse(result.err, nullptr, false);
    ASSERT_TRUE(error.is_object()) << result.err;
    EXPECT_EQ(error["code"], row.code);
    EXPECT_EQ(error["error"], english[0]);
    EXPECT_EQ(error["reason"], english[1]);
  }
  EXPECT_EQ(DataBytes(), before);
}

}  // namespace
}  // namespace ovelin::test

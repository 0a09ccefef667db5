// batch: many commands under one lock, one load and one save; a failing line
// stops the batch and undoes what it did, or is skipped with --keep-going.

#include <filesystem>

#include "cli/cli_filing_fixture.h"

namespace ovelin::test {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

using CliBatchTest = CliFilingTest;

// The words as one line that a shell splits back into them.
std::string Quoted(const Strings& words) {
  std::string line;
  for (const auto& word : words) {
    if (!line.empty()) line += ' ';
    line += '\'';
    for (char c : word) line += c == '\'' ? std::string("'\\''") : std::string(1, c);
    line += '\'';
  }
  return line;
}

size_t JournalCount(const std::string& folder) {
  size_t count = 0;
  for (const auto& entry : fs::directory_iterator(folder))
    count += entry.path().filename().string().find("journal") != std::string::npos;
  return count;
}

TEST_F(CliBatchTest, QuotingCommentsAndOutputInLineOrder) {
  const std::string script =
      "# a comment line, then a blank one\n"
      "\n"
      "set add Notes --note \"two  spaces, a \\\"quote\\\" and a # sign\"   # trailing comment\n"
      "set add Mus\\ic\r\n"
      "set note Music 'it'\\''s $HOME `x`'\n"
      "set show Notes\n"
      "set list\n";
  const auto result = Cli({"batch", "-"}, script);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const Strings out = Lines(result.out);
  ASSERT_EQ(out.size(), 11u) << result.out;
  EXPECT_EQ(out[0], "name\tNotes");
  EXPECT_EQ(out[6], "note\ttwo  spaces, a \"quote\" and a # sign");
  EXPECT_EQ((Strings{out.begin() + 7, out.end()}), (Strings{"Docs", "Music", "Notes", "我的文档"}));
  EXPECT_EQ(Lines(Ok({"set", "show", "Music"})).back(), "note\tit's $HOME `x`");
}

TEST_F(CliBatchTest, RefusedLinesAndTheirLineNumbers) {
  const std::string before = DataBytes();
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"init", "batch-init"},
      {"batch -", "batch-nested"},
      {"send x", "batch-send"},
      {"set list --json", "batch-global-option"},
      {"set note Docs 'open", "bad-quoting"},
      {"frobnicate", "unknown-command"},
  };
  for (const auto& [line, code] : cases) {
    SCOPED_TRACE(line);
    const auto result = Cli({"--json", "batch", "-"}, "set add Fine\n" + line + "\n");
    EXPECT_EQ(result.exitCode, 2);
    const Strings errors = Lines(result.err);
    ASSERT_EQ(errors.size(), 2u) << result.err;
    EXPECT_EQ(nlohmann::json::parse(errors[0])["code"], code);
    EXPECT_EQ(nlohmann::json::parse(errors[1])["code"], "batch-line-failed");
    EXPECT_NE(errors[1].find("第2行"), std::string::npos) << errors[1];
  }
  EXPECT_EQ(DataBytes(), before);
}

// The archive line moved its file; the failing line after it stops the batch,
// nothing is saved and the file goes back.
TEST_F(CliBatchTest, FailingLineSavesNothingAndMovesArchivedFilesBack) {
  const std::string file = Source("a b.txt", "alpha");
  const std::string before = DataBytes();
  const std::string script = Quoted({"set", "add", "Fresh"}) + "\n" +
                             Quoted({"archive", "--set", "Docs", "--store-set", "Docs", file}) + "\n" +
                             "set add Nope --parent Missing\nset add Never\n";
  const auto result = Cli({"batch", "-"}, script);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(Lines(result.out), Strings{FileUrl(file) + "\t" + FileUrl(docs_ + "/a b.txt")});
  EXPECT_NE(result.err.find("批处理第3行失败"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find(file), std::string::npos) << "the move back is reported: " << result.err;
  EXPECT_EQ(DataBytes(), before);
  EXPECT_EQ(ReadTextFile(file), "alpha");
  EXPECT_FALSE(fs::exists(docs_ + "/a b.txt"));
  EXPECT_EQ(JournalCount(data_), 0u);
}

TEST_F(CliBatchTest, KeepGoingSkipsFailingLinesAndSavesTheRest) {
  const std::string file = Source("c.txt", "gamma");
  const std::string script = "set add Nope --parent Missing\n" +
                             Quoted({"archive", "--set", "Docs", "--store-set", "Docs", file}) +
                             "\nset rm 我的文档\nset add Kept\n";
  const auto result = Cli({"batch", "--keep-going", "-"}, script);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("批处理第1行失败，已跳过"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("批处理第3行失败，已跳过"), std::string::npos) << result.err;
  EXPECT_EQ(Lines(Ok({"set", "list"})), (Strings{"Docs", "Kept", "我的文档"}));
  EXPECT_EQ(Item(docs_ + "/c.txt")["sets"], nlohmann::json::array({"Docs"}));
  EXPECT_EQ(ReadTextFile(docs_ + "/c.txt"), "gamma");
  EXPECT_EQ(JournalCount(data_), 0u);
}

// The same changes through one batch and one command at a time give the same
// document; a thousand lines run in one go.
TEST_F(CliBatchTest, BatchEqualsTheSameCommandsOneByOne) {
  std::vector<Strings> commands;
  for (int i = 0; i < 8; ++i) {
    const std::string name = "S" + std::to_string(i);
    commands.push_back({"set", "add", name, "--prop", "Size;NUMBER;0;10;1", "--note", "note 'of' \"" + name + "\""});
    commands.push_back({"view", "add", "V" + std::to_string(i), "Docs+" + name});
    if (i > 0) commands.push_back({"set", "parents", name, "S" + std::to_string(i - 1)});
  }
  commands.push_back({"set", "rename", "S3", "Three"});
  commands.push_back({"config", "get", "KeywordsSearch", "SearchFileName"});
  std::string script;
  for (const auto& words : commands) script += Quoted(words) + "\n";

  const std::string start = DataBytes();
  const auto batch = Cli({"batch", "-"}, script);
  ASSERT_EQ(batch.exitCode, 0) << batch.err;
  const std::string batched = Ok({"dump"});
  WriteTextFile(DataFile(), start);
  for (const auto& words : commands) Ok(words);
  EXPECT_EQ(Ok({"dump"}), batched);

  std::string thousand;
  for (int i = 0; i < 1000; ++i)
    thousand += "set add T" + std::to_string(i) + " --note 'line " + std::to_string(i) + "'\n";
  const auto big = Cli({"batch", "-"}, thousand);
  ASSERT_EQ(big.exitCode, 0) << big.err;
  const auto info = nlohmann::json::parse(Ok({"--json", "info"}));
  EXPECT_EQ(info["sets"], 8 + 1 + 1 + 1000);
}

}  // namespace
}  // namespace ovelin::test

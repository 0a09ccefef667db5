// init, info, dump, restore, and the failures every loading command shares.

#include <sys/stat.h>

#include <filesystem>

#include "cli/cli_fixture.h"
#include "store/data_file.h"

namespace ovelin::test {
namespace {

using Json = nlohmann::json;

using CliDocumentTest = CliTest;

TEST_F(CliDocumentTest, InitCreatesPrivateDataFileAndBackup) {
  data_ = tmp_ / "nested/data";  // the folder is created
  const auto result = Cli({"init", "--root-path", files_});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, DataFile() + "\n");
  EXPECT_EQ(ReadTextFile(DataFile() + ".bak"), DataBytes());
  struct stat info {};
  ASSERT_EQ(::stat(DataFile().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);

  const auto root = Json::parse(Ok({"--json", "set", "show", "我的文档"}));
  EXPECT_EQ(root["path_kind"], "UsrDef");
  EXPECT_EQ(root["path"], files_);

  const std::string before = DataBytes();
  const auto again = Cli({"init", "--root-path", tmp_ / "other"});
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_NE(again.err.find("已经存在"), std::string::npos) << again.err;
  EXPECT_EQ(DataBytes(), before);
}

TEST_F(CliDocumentTest, InitUsesDefaultRootPathAndRelativePathsBecomeAbsolute) {
  const auto byDefault =
      RunCommand({OVELIN_CLI_PATH, "--data-dir", data_, "init"}, {}, {"XDG_DOCUMENTS_DIR=" + tmp_ / "docs"});
  ASSERT_EQ(byDefault.exitCode, 0) << byDefault.err;
  EXPECT_EQ(Json::parse(Ok({"--json", "set", "show", "我的文档"}))["path"], tmp_ / "docs");

  // A relative --data-dir and --root-path are taken against the working folder.
  const auto relative = RunCommand(
      {"sh", "-c",
       std::string("cd ") + tmp_.path() + " && " + OVELIN_CLI_PATH + " --data-dir rel init --root-path store"});
  ASSERT_EQ(relative.exitCode, 0) << relative.err;
  EXPECT_EQ(relative.out, tmp_ / "rel/AllSets.db\n");
  const auto show = RunCommand({OVELIN_CLI_PATH, "--data-dir", tmp_ / "rel", "set", "show", "我的文档"});
  EXPECT_NE(show.out.find("path\t" + tmp_ / "store\n"), std::string::npos) << show.out;
}

TEST_F(CliDocumentTest, InfoTextAndJson) {
  Init();
  EXPECT_EQ(Lines(Ok({"info"})),
            (std::vector<std::string>{"version\t1.50", "root\t我的文档", "data-file\t" + DataFile(), "sets\t1",
                                      "items\t0", "view-sets\t0"}));
  Restore(SampleDocument());
  const auto info = Json::parse(Ok({"info", "--json"}));
  EXPECT_EQ(info, (Json{{"version", "1.50"},
                        {"root", "Root"},
                        {"data-file", DataFile()},
                        {"sets", 3},
                        {"items", 2},
                        {"view-sets", 1}}));
}

// Every command that loads reports a data file it cannot load the same way and
// leaves the file as it was.
TEST_F(CliDocumentTest, LoadFailuresLeaveDataFileUntouched) {
  const std::string config = tmp_ / "config.xml";
  WriteTextFile(config, "<SysConfig/>");
  const std::vector<std::vector<std::string>> commands = {{"info"},
                                                          {"dump"},
                                                          {"set", "list"},
                                                          {"set", "add", "X"},
                                                          {"set", "rm", "X"},
                                                          {"config", "set-xml", config},
                                                          {"restore", config},
                                                          {"item", "show", "file:///x"}};

  struct Case {
    const char* what;
    std::string machineId;
    bool damage;
  };
  const std::vector<Case> cases = {
      {"another machine", "OVELIN_MACHINE_ID=ffeeddccbbaa", false},
      {"damaged file", "", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(data_);
    Init();
    if (c.damage) {
      std::string bytes = DataBytes();
      bytes[bytes.size() / 2] ^= 0x5a;
      bytes.resize(bytes.size() - 8);
      WriteTextFile(DataFile(), bytes);
    }
    const std::string before = DataBytes();
    for (const auto& command : commands) {
      SCOPED_TRACE(command[0]);
      std::vector<std::string> env;
      if (!c.machineId.empty()) env.push_back(c.machineId);
      const auto result = Cli(command, {}, env);
      EXPECT_EQ(result.exitCode, 1);
      EXPECT_EQ(result.err, std::string(kLoadFailed) + "\n");
      EXPECT_EQ(DataBytes(), before);
    }
  }
}

TEST_F(CliDocumentTest, MissingDataFileOrFolder) {
  for (const auto& command : std::vector<std::vector<std::string>>{{"info"}, {"set", "add", "X"}}) {
    const auto result = Cli(command);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, std::string(kLoadFailed) + "\n" + data_ + "中还没有文件库，请先运行 ovelin-cli init\n");
  }
  EXPECT_FALSE(std::filesystem::exists(data_));
  std::filesystem::create_directories(data_);
  const auto english = Cli({"set", "add", "X"}, {}, {"OVELIN_LANG=en"});
  EXPECT_EQ(english.exitCode, 1);
  EXPECT_NE(english.err.find("There is no library in " + data_ + " yet; run ovelin-cli init first"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

TEST_F(CliDocumentTest, UnreadableMachineIdentifier) {
  Init();
  const std::string before = DataBytes();
  for (const auto& command : std::vector<std::vector<std::string>>{{"info"}, {"set", "add", "X"}}) {
    const auto result = Cli(command, {}, {"OVELIN_MACHINE_ID=zz"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "无法读取机器特征码!\n");
  }
  std::filesystem::remove_all(data_);
  EXPECT_EQ(Cli({"init"}, {}, {"OVELIN_MACHINE_ID=abc"}).exitCode, 1);
  EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

TEST_F(CliDocumentTest, ChangingCommandsRefuseWhileLockIsHeld) {
  Init();
  const std::string before = DataBytes();
  DataFileLock lock;
  ASSERT_EQ(lock.TryAcquire(data_), DataFileLock::Result::Acquired);
  const std::string config = tmp_ / "config.xml";
  WriteTextFile(config, "<SysConfig/>");
  for (const auto& command : std::vector<std::vector<std::string>>{
           {"set", "add", "X"}, {"set", "note", "我的文档", "n"}, {"restore", config}, {"config", "set-xml", config}}) {
    SCOPED_TRACE(command[1]);
    const auto result = Cli(command);
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_NE(result.err.find("锁定"), std::string::npos) << result.err;
  }
  EXPECT_EQ(DataBytes(), before);
  // Reading needs no lock.
  EXPECT_EQ(Cli({"info"}).exitCode, 0);
  EXPECT_EQ(Cli({"set", "tree"}).exitCode, 0);
}

TEST_F(CliDocumentTest, FailedSaveReportsFailureAndKeepsDataFile) {
  Init();
  const std::string before = DataBytes();
  // A file size limit below the data file's size makes every write fail, even for root.
  const auto result = RunCommand({"bash", "-c",
                                  "trap '' XFSZ; ulimit -f 1; exec \"$0\" --data-dir \"$1\" set add "
                                  "Big --note \"$2\"",
                                  OVELIN_CLI_PATH, data_, std::string(4000, 'x')});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("写入失败"), std::string::npos) << result.err;
  EXPECT_EQ(DataBytes(), before);
  for (const auto& entry : std::filesystem::directory_iterator(data_)) {
    const std::string name = entry.path().filename();
    EXPECT_TRUE(name == "AllSets.db" || name == "AllSets.db.bak" || name == "AllSets.db.lock") << name;
  }
}

TEST_F(CliDocumentTest, DumpRestoreRoundTrip) {
  Init();
  Ok({"set", "add", "工作", "--note", "说明"});
  Ok({"set", "add", "Tax", "--parent", "工作", "--prop", "Year;NUMBER;2000;2100;2024"});
  const std::string dump = Ok({"dump"});
  EXPECT_NE(dump.find("<AllSets"), std::string::npos);

  // Into a second library, from stdin.
  const std::string first = data_;
  data_ = tmp_ / "second";
  Init();
  const std::string replaced = DataBytes();
  const auto restored = Cli({"restore", "-"}, dump);
  ASSERT_EQ(restored.exitCode, 0) << restored.err;
  EXPECT_EQ(ReadTextFile(DataFile() + ".bak"), replaced);
  EXPECT_EQ(Ok({"dump"}), dump);
  EXPECT_EQ(Ok({"set", "show", "Tax"}), RunCommand({OVELIN_CLI_PATH, "--data-dir", first, "set", "show", "Tax"}).out);
  EXPECT_EQ(Json::parse(Ok({"--json", "dump"})), Json(dump));
}

TEST_F(CliDocumentTest, RestoreRefusesWhatIsNoDocument) {
  Init();
  const std::string before = DataBytes();
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"not XML", "AllSets"}, {"other root", "<SysConfig/>"}, {"broken", "<AllSets><EntitySets></AllSets>"}};
  for (const auto& [what, text] : cases) {
    SCOPED_TRACE(what);
    const auto result = Cli({"restore", "-"}, text);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(DataBytes(), before);
  }
  EXPECT_EQ(Cli({"restore", tmp_ / "missing.xml"}).exitCode, 1);
}

}  // namespace
}  // namespace ovelin::test

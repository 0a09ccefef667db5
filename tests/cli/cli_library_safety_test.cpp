// The library survives what used to damage it: blank names and whitespace-only
// text, a data file behind a symbolic link, reading commands on an old version,
// documents the store could not work with, and saves killed mid-way.

#include <filesystem>

#include "base/unicode_text.h"
#include "cli/cli_fixture.h"
#include "store/data_file.h"
#include "store/envelope.h"
#include "store/file_set_store.h"
#include "store/machine_identifier.h"

namespace ovelin::test {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// Version 1.3: item paths are plain paths, turned into addresses by the upgrade.
const char* const kVersion13 =
    "<AllSets Version=\"1.3\"><EntitySets RootName=\"R\"><FileSet><Name>R</Name>"
    "<StorePath Type=\"UsrDef\">/srv</StorePath><Elements><File><Name>a</Name><Path>/srv/a b.txt</Path>"
    "<ItemPropertys/></File></Elements><Childs/><Parents/><ItemPropertys/></FileSet></EntitySets>"
    "<ViewSetRoot/><SysConfig/></AllSets>";

class CliLibrarySafetyTest : public CliTest {
 protected:
  // The data file enciphered for this machine from a plain document.
  void WriteDataFile(const std::string& xml) const {
    fs::create_directories(data_);
    const std::string utf16 = Utf8ToUtf16Le(xml);
    const auto cipher =
        Encipher(DataFileKeyMaterial(GetMachineIdentifier()), TerminatedUtf16(Bytes(utf16.begin(), utf16.end())));
    ASSERT_TRUE(cipher);
    WriteTextFile(DataFile(), std::string(cipher->begin(), cipher->end()));
  }

  // The data file as the store reads it, without the upgrade a load makes in memory.
  bool FileHoldsUpgradedSet(const std::string& set) const {
    CFileSetStore store;
    return store.Load(DataFile()) && !store.HasUnsavedUpgrade() && store.FindFileSet(set);
  }
};

TEST_F(CliLibrarySafetyTest, BlankNamesAreRefusedAndWhitespaceTextIsKept) {
  Init();
  const std::string before = DataBytes();
  EXPECT_EQ(Cli({"set", "add", "\t"}).err, "文件集名称不能为空!\n");
  EXPECT_EQ(Cli({"view", "add", "\t", "我的文档"}).exitCode, 1);
  EXPECT_EQ(Cli({"archive", "--name", " ", "--set", "我的文档", "https://example.org/a"}).exitCode, 2);
  const auto batch = Cli({"archive", "--batch", "-"}, R"([{"Url": "https://example.org/a", "Name": "\n"}])");
  EXPECT_NE(batch.err.find("Name 是空白的"), std::string::npos) << batch.err;
  EXPECT_EQ(DataBytes(), before);

  // Such names in a document (from elsewhere) still come back, and a save keeps them.
  Restore(
      "<AllSets Version=\"1.50\"><EntitySets RootName=\"R\"><FileSet><Name>R</Name>"
      "<StorePath Type=\"UsrDef\">/srv</StorePath><Elements><File><Name> </Name><Path>https://example.org/a</Path>"
      "<Description>\t</Description><ItemPropertys/></File></Elements><Childs>\t</Childs><Parents/></FileSet>"
      "<FileSet><Name>\t</Name><Elements/><Childs/><Parents>R</Parents></FileSet></EntitySets>"
      "<ViewSetRoot/></AllSets>");
  Ok({"set", "add", "X"});
  EXPECT_EQ(Json::parse(Ok({"--json", "set", "list"})), (Json{"\t", "R", "X"}));
  const Json item = Json::parse(Ok({"--json", "item", "show", "https://example.org/a"}));
  EXPECT_EQ(item["name"], " ");
  EXPECT_EQ(item["description"], "\t");
  EXPECT_EQ(Lines(Ok({"query", "R"})).size(), 2u);
}

TEST_F(CliLibrarySafetyTest, DataFileAndBackupBehindSymbolicLinksAreWrittenThrough) {
  Init();
  const std::string elsewhere = tmp_ / "elsewhere";
  fs::create_directories(elsewhere);
  fs::rename(DataFile(), elsewhere + "/library.db");
  fs::create_symlink(elsewhere + "/library.db", DataFile());
  fs::remove(DataFile() + ".bak");
  fs::create_symlink(elsewhere + "/library.bak", DataFile() + ".bak");

  Ok({"set", "add", "X"});
  const std::string saved = ReadTextFile(elsewhere + "/library.db");
  ASSERT_EQ(Cli({"restore", "-"}, Ok({"dump"})).exitCode, 0);  // backs the data file up first
  EXPECT_TRUE(fs::is_symlink(DataFile()));
  EXPECT_TRUE(fs::is_symlink(DataFile() + ".bak"));
  EXPECT_EQ(ReadTextFile(elsewhere + "/library.bak"), saved);
  EXPECT_NE(Ok({"set", "list"}).find("X\n"), std::string::npos);

  // Another data folder linking the same file takes the same lock.
  const std::string other = tmp_ / "other";
  fs::create_directories(other);
  fs::create_symlink(elsewhere + "/library.db", other + "/AllSets.db");
  DataFileLock lock;
  ASSERT_EQ(lock.TryAcquire(other), DataFileLock::Result::Acquired);
  EXPECT_EQ(Cli({"set", "add", "Y"}).exitCode, 3);
}

TEST_F(CliLibrarySafetyTest, ReadingCommandsLeaveAnOldVersionFileUntilAChange) {
  WriteDataFile(kVersion13);
  const std::string before = DataBytes();
  for (const std::vector<std::string>& command : {std::vector<std::string>{"info"},
                                                  {"dump"},
                                                  {"set", "list"},
                                                  {"set", "show", "R"},
                                                  {"query", "R"},
                                                  {"item", "show", "file:///srv/a%20b.txt"}}) {
    Ok(command);
    EXPECT_EQ(DataBytes(), before) << command[0];
  }
  Ok({"set", "add", "X"});
  EXPECT_TRUE(FileHoldsUpgradedSet("X"));
}

// A reader that saved its upgrade could overwrite what a writer saved meanwhile.
TEST_F(CliLibrarySafetyTest, ReaderNeverWritesWhileAWriterHoldsTheLock) {
  WriteDataFile(kVersion13);
  DataFileLock writer;
  ASSERT_EQ(writer.TryAcquire(data_), DataFileLock::Result::Acquired);
  const std::string before = DataBytes();
  EXPECT_EQ(Json::parse(Ok({"--json", "info"}))["version"], "1.50");
  EXPECT_EQ(DataBytes(), before);

  CFileSetStore store;
  ASSERT_TRUE(store.Load(DataFile()));
  ASSERT_TRUE(store.CreateFileSet("X", {"R"}, "", StorePathKind::ExParent, {}));
  ASSERT_TRUE(store.Save());
  Ok({"info"});
  EXPECT_TRUE(FileHoldsUpgradedSet("X"));
}

TEST_F(CliLibrarySafetyTest, RestoreRefusesWhatTheStoreCouldNotUse) {
  Init();
  const std::string before = DataBytes();
  const std::string backup = ReadTextFile(DataFile() + ".bak");
  std::string deep;
  for (int i = 0; i < 300000; ++i) deep += "<x>";
  for (int i = 0; i < 300000; ++i) deep += "</x>";
  const auto document = [](const std::string& rootName, const std::string& nameTail) {
    return "<AllSets Version=\"1.50\"><EntitySets RootName=\"" + rootName + "\"><FileSet><Name>" + rootName + nameTail +
           "</Name><Elements/><Childs/><Parents/></FileSet></EntitySets></AllSets>";
  };
  for (const auto& xml : {document("", ""), document("R", deep)}) {
    const auto result = Cli({"restore", "-"}, xml);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("没有做任何更改"), std::string::npos) << result.err;
    EXPECT_EQ(DataBytes(), before);
    EXPECT_EQ(ReadTextFile(DataFile() + ".bak"), backup);
  }
  Ok({"set", "add", "X"});
}

TEST_F(CliLibrarySafetyTest, ChangingCommandsRemoveWhatKilledSavesLeft) {
  Init();
  const std::vector<std::string> leftovers = {DataFile() + ".q7Zk2P", DataFile() + ".bak.Ab3dE9"};
  for (const auto& file : leftovers) WriteTextFile(file, "partial");
  Ok({"info"});  // takes no lock: another program may be saving
  for (const auto& file : leftovers) EXPECT_TRUE(fs::exists(file)) << file;
  Ok({"set", "add", "X"});
  for (const auto& file : leftovers) EXPECT_FALSE(fs::exists(file)) << file;
}

}  // namespace
}  // namespace ovelin::test

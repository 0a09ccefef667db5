// Loading and saving the data file: the envelope on disk, failures, atomic writes.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "store/data_file.h"
#include "store/machine_identifier.h"
#include "store_fixture.h"
#include "support/test_support.h"

namespace ovelin {
namespace {

using test::TempDir;

// Sets OVELIN_MACHINE_ID for the scope of a test.
class MachineId {
 public:
  explicit MachineId(const char* hex) : old_(std::getenv("OVELIN_MACHINE_ID") ? std::getenv("OVELIN_MACHINE_ID") : "") {
    ::setenv("OVELIN_MACHINE_ID", hex, 1);
  }
  ~MachineId() { ::setenv("OVELIN_MACHINE_ID", old_.c_str(), 1); }

 private:
  std::string old_;
};

Bytes WithMachineCipher(const std::string& xml, const char* machineHex) {
  Bytes utf16;
  // ASCII-only XML: UTF-16LE is each byte followed by a zero.
  for (char c : xml) {
    utf16.push_back(static_cast<unsigned char>(c));
    utf16.push_back(0);
  }
  return *Encipher(DataFileKeyMaterial(HexToBytes(machineHex)), TerminatedUtf16(utf16));
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
  test::WriteTextFile(path, std::string(bytes.begin(), bytes.end()));
}

class DataFile : public ::testing::Test {
 protected:
  MachineId id{"0a1b2c3d4e5f"};
  TempDir dir;
  std::string path = dir / kDataFileName;
};

TEST_F(DataFile, SavedFileLoadsAgainWithTheSameMachineOnly) {
  CFileSetStore store;
  store.CreateStarterDocument();
  ASSERT_TRUE(test::AddSet(store, "中文集"));
  test::AddItem(store, "中文集", "名字", "file:///home/u/a%20b.txt");
  ASSERT_TRUE(store.SaveTo(path));

  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_EQ(std::filesystem::directory_iterator(dir.path())->path(), path);  // no temporary file left

  CFileSetStore again;
  ASSERT_TRUE(again.Load(path));
  EXPECT_EQ(again.GetXml(false), store.GetXml(false));
  EXPECT_EQ(again.FindItemByPath("file:///home/u/a%20b.txt").GetName(), "名字");

  MachineId other("0a1b2c3d4e60");
  const std::string before = test::ReadTextFile(path);
  CFileSetStore elsewhere;
  EXPECT_FALSE(elsewhere.Load(path));
  EXPECT_EQ(test::ReadTextFile(path), before);
}

TEST_F(DataFile, PlainTextIsUtf16WithTerminator) {
  CFileSetStore store;
  store.CreateStarterDocument();
  ASSERT_TRUE(store.SaveTo(path));
  const auto plain = Decipher(*ReadWholeFile(path), DataFileKeyMaterial(GetMachineIdentifier()));
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->size(), store.GetXmlUtf16().size() + 2);
  EXPECT_EQ(plain->at(plain->size() - 1), 0);
  EXPECT_EQ(plain->at(plain->size() - 2), 0);
  EXPECT_EQ(plain->at(0), '<');
}

TEST_F(DataFile, BadFilesFailToLoadAndStayAsTheyWere) {
  const std::vector<std::pair<std::string, Bytes>> cases = {
      {"empty", {}},
      {"garbage", Bytes(64, 0x41)},
      {"not xml", WithMachineCipher("this is not xml", "0a1b2c3d4e5f")},
      {"truncated xml", WithMachineCipher("<AllSets><EntitySets>", "0a1b2c3d4e5f")},
      {"other root", WithMachineCipher("<Other/>", "0a1b2c3d4e5f")},
      {"other machine", WithMachineCipher("<AllSets/>", "ffffffffffff")},
  };
  for (const auto& [label, bytes] : cases) {
    WriteBytes(path, bytes);
    CFileSetStore store;
    EXPECT_FALSE(store.Load(path)) << label;
    EXPECT_EQ(test::ReadTextFile(path), std::string(bytes.begin(), bytes.end())) << label;
    EXPECT_TRUE(store.GetDataFilePath().empty()) << label;
  }
  CFileSetStore store;
  EXPECT_FALSE(store.Load(dir / "missing.db"));
  EXPECT_FALSE(std::filesystem::exists(dir / "missing.db"));
}

// Makes every write beyond `bytes` fail with EFBIG, as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{bytes, old_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &old_); }

 private:
  rlimit old_{};
};

TEST_F(DataFile, FailedSaveKeepsThePreviousFileAndNoTemporary) {
  CFileSetStore store;
  store.CreateStarterDocument();
  ASSERT_TRUE(store.SaveTo(path));
  const std::string before = test::ReadTextFile(path);
  for (int i = 0; i < 50; ++i) ASSERT_TRUE(test::AddSet(store, "New" + std::to_string(i)));
  {
    FileSizeLimit full(before.size() + 8);
    EXPECT_FALSE(store.Save());
  }
  EXPECT_EQ(test::ReadTextFile(path), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  CFileSetStore again;
  EXPECT_TRUE(again.Load(path));
  EXPECT_FALSE(again.FindFileSet("New0"));
}

TEST_F(DataFile, SaveIntoAMissingFolderFails) {
  CFileSetStore store;
  store.CreateStarterDocument();
  EXPECT_FALSE(store.SaveTo(dir / "no/such/folder/AllSets.db"));
  CFileSetStore empty;
  EXPECT_FALSE(empty.Save());  // never loaded: no path to write to
}

TEST_F(DataFile, UpgradeStaysInMemoryUntilTheNextSave) {
  WriteBytes(path, WithMachineCipher("<AllSets><EntitySets RootName=\"R\"><FileSet><Name>R</Name><Elements/>"
                                     "<Childs/><Parents/></FileSet></EntitySets><ViewSetRoot/></AllSets>",
                                     "0a1b2c3d4e5f"));
  const std::string before = test::ReadTextFile(path);
  CFileSetStore store;
  ASSERT_TRUE(store.Load(path));
  EXPECT_EQ(store.GetVersion(), "1.50");
  EXPECT_TRUE(store.HasUnsavedUpgrade());
  EXPECT_EQ(test::ReadTextFile(path), before);  // reading never writes

  ASSERT_TRUE(store.Save());
  EXPECT_FALSE(store.HasUnsavedUpgrade());
  CFileSetStore again;
  ASSERT_TRUE(again.Load(path));
  EXPECT_FALSE(again.HasUnsavedUpgrade());
  EXPECT_EQ(again.GetVersion(), "1.50");
  EXPECT_EQ(again.GetConfigValue("Pigeonhole", "DragDropPigAutoBelong"), "true");
}

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// A data file (and its backup copy) kept elsewhere behind symbolic links: saves
// reach the files the links point to, and every folder linking the same file
// shares one lock beside it.
TEST_F(DataFile, SymbolicLinksAreWrittenThroughAndShareTheLock) {
  namespace fs = std::filesystem;
  TempDir real;
  const std::string target = real / "library.db";
  fs::create_symlink(fs::relative(target, dir.path()), path);  // dangling until the first save
  CFileSetStore store;
  store.CreateStarterDocument();
  ASSERT_TRUE(store.SaveTo(path));
  ASSERT_TRUE(test::AddSet(store, "A"));
  ASSERT_TRUE(store.Save());
  fs::create_symlink(real / "library.bak", path + kBackupSuffix);
  ASSERT_TRUE(CopyFileAtomically(path, path + kBackupSuffix));

  EXPECT_TRUE(fs::is_symlink(path));
  EXPECT_TRUE(fs::is_symlink(path + kBackupSuffix));
  CFileSetStore again;
  ASSERT_TRUE(again.Load(target));
  EXPECT_TRUE(again.FindFileSet("A"));
  EXPECT_EQ(test::ReadTextFile(real / "library.bak"), test::ReadTextFile(target));

  TempDir other;
  fs::create_symlink(target, other / kDataFileName);
  DataFileLock first;
  ASSERT_EQ(first.TryAcquire(dir.path()), DataFileLock::Result::Acquired);
  DataFileLock second;
  EXPECT_EQ(second.TryAcquire(other.path()), DataFileLock::Result::HeldByOther);
  EXPECT_EQ(Names(real.path()), (std::vector<std::string>{"library.bak", "library.db", "library.db.lock"}));
}

TEST_F(DataFile, TakingTheLockRemovesWhatInterruptedWritesLeft) {
  const std::vector<std::string> leftovers = {"AllSets.db.a1B2c3", "AllSets.db.bak.ZZ9zz9"};
  const std::vector<std::string> others = {"AllSets.db",         "AllSets.db.bak",    "AllSets.db.a1B2c",
                                           "AllSets.db.a1B2c3d", "AllSets.db.a-B2c3", "Other.db.a1B2c3"};
  for (const auto& name : leftovers) test::WriteTextFile(dir / name, "partial");
  for (const auto& name : others) test::WriteTextFile(dir / name, "kept");
  std::filesystem::create_directory(dir / "AllSets.db.Folder");
  std::filesystem::create_symlink(dir / "AllSets.db", dir / "AllSets.db.L1nk00");

  DataFileLock lock;
  ASSERT_EQ(lock.TryAcquire(dir.path()), DataFileLock::Result::Acquired);
  std::vector<std::string> expected = others;
  expected.insert(expected.end(), {"AllSets.db.Folder", "AllSets.db.L1nk00", "AllSets.db.lock"});
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Names(dir.path()), expected);
}

TEST_F(DataFile, WriterLockIsExclusiveBetweenHolders) {
  DataFileLock first;
  ASSERT_EQ(first.TryAcquire(dir.path()), DataFileLock::Result::Acquired);
  DataFileLock second;
  EXPECT_EQ(second.TryAcquire(dir.path()), DataFileLock::Result::HeldByOther);
  first = DataFileLock();
  EXPECT_EQ(second.TryAcquire(dir.path()), DataFileLock::Result::Acquired);
  DataFileLock nowhere;
  EXPECT_EQ(nowhere.TryAcquire(dir / "missing"), DataFileLock::Result::Failed);
}

TEST(MachineIdentifier, OverrideAndFallback) {
  {
    MachineId id("a1b2c3");
    EXPECT_EQ(GetMachineIdentifier(), (Bytes{0xA1, 0xB2, 0xC3}));
  }
  ::unsetenv("OVELIN_MACHINE_ID");
  const Bytes real = GetMachineIdentifier();
  EXPECT_TRUE(real.size() == 6 || real.size() == 16 || real.empty());
  ::setenv("OVELIN_MACHINE_ID", "0a1b2c3d4e5f", 1);
}

TEST(DataFolder, ResolutionOrder) {
  EXPECT_EQ(ResolveDataFolder("/given"), "/given");
  ::setenv("OVELIN_DATA_DIR", "/env", 1);
  EXPECT_EQ(ResolveDataFolder(""), "/env");
  ::unsetenv("OVELIN_DATA_DIR");
  ::setenv("XDG_DATA_HOME", "/xdg", 1);
  EXPECT_EQ(ResolveDataFolder(""), "/xdg/ovelin");
  ::unsetenv("XDG_DATA_HOME");
  ::setenv("HOME", "/home/someone", 1);
  EXPECT_EQ(ResolveDataFolder(""), "/home/someone/.local/share/ovelin");
}

}  // namespace
}  // namespace ovelin

// The archiving journal: a batch whose save fails moves its files back, and a
// journal left by a run killed during its save is resolved at the next start.
// Save failures are made real with a file size limit, as on a full disk.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "base/messages.h"
#include "filing/archive_engine.h"
#include "filing/archive_journal.h"
#include "filing/journal_resolution.h"
#include "filing/url_parts.h"
#include "filing_fixture.h"

namespace ovelin {
namespace {

using test::ExpectEachOnce;
using test::FixedTime;
using test::kRootSet;
using test::ReadTextFile;

// Far below the data file's size, far above a journal's.
constexpr rlim_t kSizeLimit = 16 * 1024;

// Makes every write beyond kSizeLimit fail with EFBIG (the signal ignored).
class FileSizeLimit {
 public:
  FileSizeLimit() {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{kSizeLimit, old_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit old_{};
  void (*previous_)(int) = SIG_DFL;
};

class ArchiveJournalTest : public test::FilingTest {
 protected:
  void SetUp() override {
    FilingTest::SetUp();
    store.SetNote(kRootSet, std::string(100000, 'n'));  // a data file far larger than kSizeLimit
    ASSERT_TRUE(store.Save());
  }

  ITEM_PIGEONHOLE_STRUCT Request(const std::string& path) const {
    ITEM_PIGEONHOLE_STRUCT request;
    request.Url = MakeFileUrl(path);
    request.BasePath = path;
    request.PigPathSet = kRootSet;
    return request;
  }

  std::vector<std::string> Journals() const { return FindArchiveJournals(temp / "data"); }

  FilingEnvironment environment{RenameNoReplace, [] { return FixedTime(); }};
};

TEST_F(ArchiveJournalTest, FailedSaveMovesTheFilesBackWithoutReplacingAnything) {
  const std::string a = MakeFile("a.txt", "alpha");
  const std::string b = MakeFile("sub/b.txt", "beta");
  // Once b has moved, a new file takes its old name.
  environment.rename = [&](const std::string& from, const std::string& to) {
    const int error = RenameNoReplace(from, to);
    if (from == b && error == 0) test::WriteTextFile(b, "newcomer");
    return error;
  };
  const std::string before = ReadTextFile(dataFile);
  ArchiveResult result;
  {
    FileSizeLimit limit;
    result = Archive(store, {Request(a), Request(b)}, nullptr, environment);
  }
  EXPECT_FALSE(result.saved);
  const std::string stamped = files + "/sub/b_20081210093005.txt";
  EXPECT_EQ(ReadTextFile(a), "alpha");
  EXPECT_EQ(ReadTextFile(b), "newcomer");
  EXPECT_EQ(ReadTextFile(stamped), "beta");
  ExpectEachOnce({files, storeRoot}, {"alpha", "beta", "newcomer"});
  EXPECT_TRUE(Journals().empty());
  EXPECT_EQ(ReadTextFile(dataFile), before);

  // The document in memory records the items where their files are now.
  ASSERT_EQ(result.items.size(), 2u);
  EXPECT_EQ(result.items[0].newUrl, MakeFileUrl(a));
  EXPECT_EQ(result.items[1].newUrl, MakeFileUrl(stamped));
  for (const auto& item : result.items) {
    EXPECT_EQ(item.status, ArchiveStatus::Failed);
    EXPECT_EQ(item.reason, MessageText(MessageId::MovedBack));
    EXPECT_EQ(store.FindItemByPath(item.newUrl).GetOwningSets(), NameList{kRootSet});
  }
  EXPECT_TRUE(store.FindItemByPath(MakeFileUrl(storeRoot + "/a.txt")).GetPath().empty());
}

TEST_F(ArchiveJournalTest, JournalOfARunKilledDuringItsSaveIsResolvedAtTheNextStart) {
  const std::string a = MakeFile("a.txt", "alpha");
  const std::string b = MakeFile("sub/b.txt", "beta");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit limit{kSizeLimit, kSizeLimit};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_DFL);  // the save's write kills the run
    Archive(store, {Request(a), Request(b)}, nullptr, environment);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
  ASSERT_EQ(Journals().size(), 1u);
  EXPECT_EQ(ReadTextFile(storeRoot + "/b.txt"), "beta");
  std::ofstream(Journals()[0], std::ios::app | std::ios::binary)
      .write(
          "L\0"
          "7",
          3);                          // a note cut off mid-way
  test::WriteTextFile(a, "newcomer");  // a's old name is taken meanwhile

  const auto loaded = Reloaded();
  const JournalResolution resolution = ResolveArchiveJournals(*loaded, environment);
  const std::string stamped = files + "/a_20081210093005.txt";
  ASSERT_EQ(resolution.moves.size(), 2u);
  EXPECT_EQ(resolution.moves[0].back, stamped);
  EXPECT_EQ(resolution.moves[1].back, b);
  EXPECT_EQ(ReadTextFile(stamped), "alpha");
  EXPECT_EQ(ReadTextFile(b), "beta");
  ExpectEachOnce({files, storeRoot}, {"alpha", "beta", "newcomer"});
  EXPECT_TRUE(Journals().empty());
}

TEST_F(ArchiveJournalTest, FilesRecordedBeforeTheRunEndedStayWhereTheyAre) {
  const std::string a = MakeFile("a.txt", "alpha");
  ASSERT_TRUE(Archive(store, {Request(a)}, nullptr, environment).saved);
  EXPECT_TRUE(Journals().empty());
  // As if the run had died between its save and the journal's removal.
  const std::string moved = storeRoot + "/a.txt";
  ArchiveJournal journal;
  ASSERT_TRUE(journal.Begin(temp / "data", {{0, a, moved, *IdentityOf(moved)}}));
  const JournalResolution resolution = ResolveArchiveJournals(*Reloaded(), environment);
  EXPECT_TRUE(resolution.moves.empty());
  EXPECT_EQ(ReadTextFile(moved), "alpha");
  EXPECT_TRUE(Journals().empty());
}

TEST_F(ArchiveJournalTest, WithoutAJournalNoFileMoves) {
  const std::string a = MakeFile("a.txt", "alpha");
  std::filesystem::remove_all(temp / "data");  // neither journal nor data file can be written
  test::ScriptedProgress progress;
  const ArchiveResult result = Archive(store, {Request(a)}, &progress, environment);
  ASSERT_EQ(progress.errors.size(), 1u);
  EXPECT_EQ(progress.errors[0], MessageText(MessageId::JournalFailed, {temp / "data"}));
  ASSERT_EQ(result.items.size(), 1u);
  EXPECT_EQ(result.items[0].status, ArchiveStatus::Failed);
  EXPECT_EQ(ReadTextFile(a), "alpha");
  ExpectEachOnce({files, storeRoot}, {"alpha"});

  test::ScriptedProgress aborting({ErrorChoice::Abort});
  EXPECT_TRUE(Archive(store, {Request(a)}, &aborting, environment).aborted);
  EXPECT_EQ(ReadTextFile(a), "alpha");
}

}  // namespace
}  // namespace ovelin

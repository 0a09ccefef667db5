// The move primitive: never replacing, the error classes, and moves across file systems.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>

#include "filing/file_move.h"
#include "filing_fixture.h"

namespace ovelin {
namespace {

using test::ReadTextFile;
using test::TempDir;
using test::WriteTextFile;

int FakeCrossDevice(const std::string&, const std::string&) { return EXDEV; }

TEST(RenameNoReplace, NeverReplacesAnExistingName) {
  TempDir temp;
  WriteTextFile(temp / "a", "source");
  WriteTextFile(temp / "b", "target");
  EXPECT_EQ(RenameNoReplace(temp / "a", temp / "b"), EEXIST);
  EXPECT_EQ(ReadTextFile(temp / "a"), "source");
  EXPECT_EQ(ReadTextFile(temp / "b"), "target");
  EXPECT_EQ(RenameNoReplace(temp / "a", temp / "c"), 0);
  EXPECT_EQ(ReadTextFile(temp / "c"), "source");
  EXPECT_FALSE(test::IsFile(temp / "a"));
}

TEST(MovePath, ClassifiesFailures) {
  TempDir temp;
  WriteTextFile(temp / "a", "source");
  WriteTextFile(temp / "taken", "other");
  std::filesystem::create_directory(temp / "folder");
  WriteTextFile(temp / "folder/inside", "x");
  std::filesystem::create_directory(temp / "full");
  WriteTextFile(temp / "full/inside", "y");
  struct Case {
    std::string from;
    std::string to;
    MoveOutcome expected;
  };
  const Case cases[] = {
      {temp / "a", temp / "missing/a", MoveOutcome::PathNotFound},
      {temp / "a", temp / "taken", MoveOutcome::Exists},
      {temp / "a", temp / "taken/a", MoveOutcome::PathNotFound},  // a file where a folder should be
      {temp / "gone", temp / "b", MoveOutcome::Failed},
      {temp / "folder", temp / "full", MoveOutcome::Exists},
      {temp / "folder", temp / "folder/sub", MoveOutcome::Failed},  // into itself
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MovePath(c.from, c.to, RenameNoReplace), c.expected) << c.from << " -> " << c.to;
  }
  test::ExpectEachOnce({temp.path()}, {"source", "other", "x", "y"});
  EXPECT_EQ(MovePath(temp / "folder", temp / "moved", RenameNoReplace), MoveOutcome::Moved);
  EXPECT_EQ(ReadTextFile(temp / "moved/inside"), "x");
}

TEST(MovePath, CrossDeviceCopiesFileWithModeAndTimesThenRemovesSource) {
  TempDir temp;
  WriteTextFile(temp / "a", std::string(200000, 'q') + "end");
  ::chmod((temp / "a").c_str(), 0640);
  const struct timespec times[2] = {{1000000000, 0}, {1200000000, 0}};
  ::utimensat(AT_FDCWD, (temp / "a").c_str(), times, 0);

  EXPECT_EQ(MovePath(temp / "a", temp / "b", FakeCrossDevice), MoveOutcome::Moved);
  EXPECT_FALSE(test::IsFile(temp / "a"));
  EXPECT_EQ(ReadTextFile(temp / "b"), std::string(200000, 'q') + "end");
  struct stat info {};
  ASSERT_EQ(::stat((temp / "b").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(info.st_mtim.tv_sec, 1200000000);
}

TEST(MovePath, CrossDeviceKeepsSourceWhenTheCopyCannotBeMade) {
  TempDir temp;
  WriteTextFile(temp / "a", "source");
  WriteTextFile(temp / "taken", "other");
  std::filesystem::create_directory(temp / "folder");
  WriteTextFile(temp / "folder/inside", "x");

  EXPECT_EQ(MovePath(temp / "a", temp / "taken", FakeCrossDevice), MoveOutcome::Exists);
  EXPECT_EQ(MovePath(temp / "a", temp / "missing/a", FakeCrossDevice), MoveOutcome::PathNotFound);
  EXPECT_EQ(MovePath(temp / "folder", temp / "folder2", FakeCrossDevice), MoveOutcome::Failed);
  EXPECT_EQ(MovePath(temp / "gone", temp / "b", FakeCrossDevice), MoveOutcome::Failed);
  EXPECT_FALSE(std::filesystem::exists(temp / "folder2"));
  EXPECT_EQ(ReadTextFile(temp / "a"), "source");
  EXPECT_EQ(ReadTextFile(temp / "taken"), "other");
  test::ExpectEachOnce({temp.path()}, {"source", "other", "x"});
}

TEST(MovePath, CrossDeviceCopyKilledMidWayLeavesNothingUnderTheFinalName) {
  TempDir temp;
  const std::string content(1 << 20, 'k');
  WriteTextFile(temp / "a", content);
  std::filesystem::create_directory(temp / "store");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // Writing past 64 KiB kills the process with SIGXFSZ, half-way through the copy.
    const rlimit limit{1 << 16, 1 << 16};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_DFL);
    MoveAcrossFileSystems(temp / "a", temp / "store/a");
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
  EXPECT_FALSE(std::filesystem::exists(temp / "store/a"));
  EXPECT_EQ(ReadTextFile(temp / "a"), content);
  // The next attempt is not stopped by the left-over copy.
  EXPECT_EQ(MovePath(temp / "a", temp / "store/a", FakeCrossDevice), MoveOutcome::Moved);
  EXPECT_EQ(ReadTextFile(temp / "store/a"), content);
}

TEST(MovePath, CrossDeviceRecreatesSymbolicLinks) {
  TempDir temp;
  ASSERT_EQ(::symlink("target/elsewhere", (temp / "link").c_str()), 0);
  EXPECT_EQ(MovePath(temp / "link", temp / "moved", FakeCrossDevice), MoveOutcome::Moved);
  EXPECT_EQ(std::filesystem::read_symlink(temp / "moved"), "target/elsewhere");
  EXPECT_FALSE(std::filesystem::is_symlink(temp / "link"));
}

}  // namespace
}  // namespace ovelin

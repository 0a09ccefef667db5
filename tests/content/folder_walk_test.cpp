#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include "content_test_support.h"

namespace ovelin {
namespace {

using test::MatchesOnce;
using test::TempDir;
using test::WriteTextFile;

// root/
//   Projects/
//     Budget Plan.txt      "quarterly numbers"
//     archive/
//       notes.xml          "<note>Deep Secret</note>"
//       song.mp3           "mp3word"
//   readme                 (a file without extension: not a folder)
class FolderWalk : public ::testing::Test {
 protected:
  void SetUp() override {
    ::mkdir((dir / "Projects").c_str(), 0755);
    ::mkdir((dir / "Projects/archive").c_str(), 0755);
    WriteTextFile(dir / "Projects/Budget Plan.txt", "quarterly numbers");
    WriteTextFile(dir / "Projects/archive/notes.xml", "<note>Deep Secret</note>");
    WriteTextFile(dir / "Projects/archive/song.mp3", "mp3word");
    WriteTextFile(dir / "readme", "readmeword");
  }
  TempDir dir;
};

TEST_F(FolderWalk, MatchesNamesAndContentsBelow) {
  const struct {
    const char* keyword;
    bool found;
  } cases[] = {
      {"budget plan", true},  // a file name one level down
      {"archive", true},      // a folder name
      {"notes.xml", true},    // a name two levels down
      {"quarterly", true},    // a file's content
      {"deep secret", true},  // content two levels down
      {"projects", true},     // an entry of the folder asked about
      {"mp3word", false},     // content of a file without a reader
      {"readmeword", false},  // a file without extension is taken for a folder
      {"nothing", false},
  };
  ContentMatcher matcher(test::TestOptions());
  for (const auto& c : cases) EXPECT_EQ(matcher.Matches(c.keyword, dir.path()), c.found) << c.keyword;
  EXPECT_TRUE(matcher.Matches("archive", dir.path() + "/"));
  EXPECT_FALSE(matcher.Matches("budget", dir / "Projects/archive"));
}

TEST_F(FolderWalk, EmptyMissingAndNonFolderPathsDoNotMatch) {
  ::mkdir((dir / "empty").c_str(), 0755);
  for (const char* name : {"empty", "missing", "readme"}) EXPECT_FALSE(MatchesOnce("a", dir / name)) << name;
}

TEST_F(FolderWalk, SymbolicLinkLoopsEnd) {
  ::symlink(dir.path().c_str(), (dir / "Projects/archive/loop").c_str());
  ::symlink("../..", (dir / "Projects/archive/up").c_str());
  ::symlink("self", (dir / "Projects/self").c_str());  // a link to itself
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(MatchesOnce("nothing", dir.path()));
  EXPECT_TRUE(MatchesOnce("deep secret", dir / "Projects"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST_F(FolderWalk, LinksToFoldersInsideTheWalkAreNotFollowed) {
  TempDir outside;
  WriteTextFile(outside / "far.txt", "farword");
  ::symlink(outside.path().c_str(), (dir / "Projects/elsewhere").c_str());
  ::symlink("/", (dir / "Projects/top").c_str());
  EXPECT_FALSE(MatchesOnce("farword", dir.path()));
  EXPECT_FALSE(MatchesOnce("far.txt", dir.path()));
  EXPECT_TRUE(MatchesOnce("elsewhere", dir.path()));                // the link's own name counts
  EXPECT_TRUE(MatchesOnce("farword", dir / "Projects/elsewhere"));  // the folder asked about may be a link
}

TEST_F(FolderWalk, DepthIsBounded) {
  std::string path = dir / "Projects";
  for (int i = 0; i < 5; ++i) {
    path += "/level" + std::to_string(i);
    ::mkdir(path.c_str(), 0755);
  }
  WriteTextFile(path + "/bottom.txt", "bottomword");
  ContentOptions options = test::TestOptions();
  options.maxFolderDepth = 6;
  EXPECT_TRUE(MatchesOnce("bottomword", dir.path(), options));
  options.maxFolderDepth = 5;
  EXPECT_FALSE(MatchesOnce("bottomword", dir.path(), options));
  EXPECT_FALSE(MatchesOnce("bottom.txt", dir.path(), options));
  EXPECT_TRUE(MatchesOnce("level4", dir.path(), options));  // the deepest folder is named, not entered
}

TEST_F(FolderWalk, UnreadableEntriesAreSkipped) {
  ::symlink((dir / "gone.txt").c_str(), (dir / "dangling.txt").c_str());
  ::symlink((dir / "gone").c_str(), (dir / "danglingfolder").c_str());
  ::mkfifo((dir / "Projects/fifo.txt").c_str(), 0644);
  EXPECT_TRUE(MatchesOnce("deep secret", dir.path()));
  EXPECT_FALSE(MatchesOnce("nothing", dir.path()));
}

TEST_F(FolderWalk, UnreadableFolderIsSkipped) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
  ::chmod((dir / "Projects/archive").c_str(), 0);
  EXPECT_FALSE(MatchesOnce("deep secret", dir.path()));
  EXPECT_TRUE(MatchesOnce("archive", dir.path()));  // its own name is still listed
  EXPECT_TRUE(MatchesOnce("quarterly", dir.path()));
}

TEST_F(FolderWalk, StopRequestEndsTheWalk) {
  std::stop_source source;
  ContentMatcher matcher(test::TestOptions(), source.get_token());
  EXPECT_TRUE(matcher.Matches("deep secret", dir.path()));
  source.request_stop();
  EXPECT_FALSE(matcher.Matches("archive", dir.path()));
}

}  // namespace
}  // namespace ovelin

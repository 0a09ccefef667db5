// Telling files from folders and walking folders for candidate items.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "filing/item_gathering.h"
#include "filing/url_parts.h"
#include "support/test_support.h"

namespace ovelin {
namespace {

using test::TempDir;
using test::WriteTextFile;

std::vector<std::string> Names(const std::vector<ItemCandidate>& candidates) {
  std::vector<std::string> names;
  for (const auto& candidate : candidates) names.push_back(candidate.name);
  return names;
}

// root/
//   .hidden
//   B.txt
//   a b.txt
//   sub/
//     inner.txt
//     deeper/
//       deep.txt
//   z.zip               (a zip archive: a file)
//   文档.doc
class ItemGathering : public ::testing::Test {
 protected:
  void SetUp() override {
    ::mkdir((dir / "sub").c_str(), 0755);
    ::mkdir((dir / "sub/deeper").c_str(), 0755);
    for (const char* name : {".hidden", "B.txt", "a b.txt", "sub/inner.txt", "sub/deeper/deep.txt", "文档.doc"}) {
      WriteTextFile(dir / name, "x");
    }
    WriteTextFile(dir / "z.zip", std::string("PK\x05\x06", 4) + std::string(18, '\0'));  // an empty archive
  }
  TempDir dir;
};

TEST_F(ItemGathering, ClassifiesPaths) {
  ::symlink((dir / "sub").c_str(), (dir / "link-to-folder").c_str());
  ::symlink((dir / "B.txt").c_str(), (dir / "link-to-file").c_str());
  ::symlink((dir / "gone").c_str(), (dir / "broken-link").c_str());
  ::mkfifo((dir / "fifo").c_str(), 0644);
  const struct {
    const char* name;
    PathKind kind;
  } cases[] = {
      {"sub", PathKind::Folder},       {"sub/", PathKind::Folder}, {"link-to-folder", PathKind::Folder},
      {"B.txt", PathKind::File},       {"z.zip", PathKind::File},  {"link-to-file", PathKind::File},
      {"broken-link", PathKind::File}, {"fifo", PathKind::File},   {"gone", PathKind::Missing},
      {"B.txt/x", PathKind::Missing},
  };
  for (const auto& c : cases) EXPECT_EQ(ClassifyPath(dir / c.name), c.kind) << c.name;
  EXPECT_EQ(ClassifyPath("/"), PathKind::Folder);
  EXPECT_EQ(ClassifyPath(""), PathKind::Missing);
}

TEST_F(ItemGathering, CandidateIsNamedByTheLastComponent) {
  EXPECT_EQ(CandidateOf(dir / "a b.txt"), (ItemCandidate{"a b.txt", MakeFileUrl(dir / "a b.txt")}));
  EXPECT_EQ(CandidateOf(dir / "sub/"), (ItemCandidate{"sub", MakeFileUrl(dir / "sub")}));
  EXPECT_EQ(CandidateOf("/"), (ItemCandidate{"/", "file:///"}));
}

TEST_F(ItemGathering, WalkWithoutRecursionTakesTheFilesOfTheFolderInNameOrder) {
  const auto found = WalkFolder(dir.path(), false);
  EXPECT_EQ(Names(found), (std::vector<std::string>{".hidden", "B.txt", "a b.txt", "z.zip", "文档.doc"}));
  EXPECT_EQ(found[2].url, MakeFileUrl(dir / "a b.txt"));
  EXPECT_EQ(Names(WalkFolder(dir.path() + "/", false)), Names(found));
}

TEST_F(ItemGathering, WalkWithRecursionTakesSubFoldersWhereTheyStand) {
  const auto found = WalkFolder(dir.path(), true);
  EXPECT_EQ(Names(found),
            (std::vector<std::string>{".hidden", "B.txt", "a b.txt", "deep.txt", "inner.txt", "z.zip", "文档.doc"}));
  EXPECT_EQ(found[3].url, MakeFileUrl(dir / "sub/deeper/deep.txt"));
}

TEST_F(ItemGathering, WalkFollowsFolderLinksButEndsOnLoops) {
  TempDir outside;
  WriteTextFile(outside / "far.txt", "x");
  ::symlink(outside.path().c_str(), (dir / "sub/deeper/far").c_str());
  ::symlink(dir.path().c_str(), (dir / "sub/deeper/loop").c_str());
  ::symlink("..", (dir / "sub/up").c_str());
  const auto names = Names(WalkFolder(dir / "sub", true));
  EXPECT_EQ(names, (std::vector<std::string>{"deep.txt", "far.txt", ".hidden", "B.txt", "a b.txt", "z.zip", "文档.doc",
                                             "inner.txt"}));
}

TEST_F(ItemGathering, WhatCannotBeReadYieldsNothing) {
  EXPECT_TRUE(WalkFolder(dir / "gone", true).empty());
  EXPECT_TRUE(WalkFolder(dir / "B.txt", true).empty());
  EXPECT_TRUE(WalkFolder(dir / "z.zip", true).empty());
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
  ::chmod((dir / "sub").c_str(), 0);
  EXPECT_EQ(Names(WalkFolder(dir.path(), true)),
            (std::vector<std::string>{".hidden", "B.txt", "a b.txt", "z.zip", "文档.doc"}));
  ::chmod((dir / "sub").c_str(), 0755);
}

}  // namespace
}  // namespace ovelin

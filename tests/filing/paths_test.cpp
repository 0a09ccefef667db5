// URL and path operations, destinations, collision names and folder chains.
#include <gtest/gtest.h>

#include "filing/archive_destination.h"
#include "filing/url_parts.h"
#include "filing_fixture.h"

namespace ovelin {
namespace {

TEST(SplitUrl, Table) {
  struct Case {
    const char* url;
    const char* scheme;
    const char* host;
    const char* path;
    const char* fileName;
    const char* extension;
  };
  const Case cases[] = {
      {"file:///home/a%20b/c.txt", "file", "", "/home/a b/c.txt", "c.txt", "txt"},
      {"FILE:///x/y.tar.gz", "file", "", "/x/y.tar.gz", "y.tar.gz", "gz"},
      {"file:///home/u/README", "file", "", "/home/u/README", "", ""},
      {"file:///a\\b%25.txt", "file", "", "/a\\b%25.txt", "a\\b%25.txt", "txt"},
      {"http://example.org/docs/my%20page.html", "http", "example.org", "/docs/my%20page.html", "my page.html", "html"},
      {"https://example.org/run.php?file=a.pdf", "https", "example.org", "/run.php?file=a.pdf", "run.php", "php"},
      {"http://example.org", "http", "example.org", "/", "", ""},
      {"http://example.org/", "http", "example.org", "/", "", ""},
  };
  for (const auto& c : cases) {
    const auto parts = SplitUrl(c.url);
    ASSERT_TRUE(parts) << c.url;
    EXPECT_EQ(parts->scheme, c.scheme) << c.url;
    EXPECT_EQ(parts->host, c.host) << c.url;
    EXPECT_EQ(parts->path, c.path) << c.url;
    EXPECT_EQ(parts->fileName, c.fileName) << c.url;
    EXPECT_EQ(parts->extension, c.extension) << c.url;
  }
}

TEST(SplitUrl, RefusesWhatDoesNotSplitIntoTwoPieces) {
  for (const char* url : {"", "no scheme at all", "/home/u/a.txt", "http://a/b?u=http://c", "file://relative/x",
                          "file://", "mailto:someone@example.org"}) {
    EXPECT_FALSE(SplitUrl(url)) << url;
  }
  EXPECT_FALSE(LocalPathOfUrl("http://example.org/a.txt"));
  EXPECT_EQ(LocalPathOfUrl("file:///a%20b/c d"), "/a b/c d");
}

TEST(FileUrl, RoundTripsEveryCharacterButTheSpace) {
  for (const std::string path : {"/home/a b/c.txt", "/x/100%/#1?.txt", "/back\\slash", "/中文 目录/文件.doc"}) {
    const std::string url = MakeFileUrl(path);
    EXPECT_EQ(url.find(' '), std::string::npos) << url;
    EXPECT_EQ(LocalPathOfUrl(url), path);
  }
  EXPECT_EQ(MakeFileUrl("/home/a b/c.txt"), "file:///home/a%20b/c.txt");
}

TEST(SplitLocalPath, AbsolutePathsOnly) {
  const auto parts = SplitLocalPath("/docs/sub/b.tar.gz");
  ASSERT_TRUE(parts);
  EXPECT_EQ(parts->drive, "");
  EXPECT_EQ(parts->folder, "/docs/sub");
  EXPECT_EQ(parts->fileName, "b.tar.gz");
  EXPECT_EQ(parts->extension, "gz");

  const auto top = SplitLocalPath("/b");
  ASSERT_TRUE(top);
  EXPECT_EQ(top->folder, "");
  EXPECT_EQ(top->extension, "");
  EXPECT_FALSE(SplitLocalPath("docs/b.txt"));
  EXPECT_FALSE(SplitLocalPath(""));
}

TEST(ArchiveDestination, Table) {
  struct Case {
    const char* source;
    const char* base;
    const char* root;
    const char* destination;
  };
  const Case cases[] = {
      {"/docs/sub/b.txt", "/docs/sub/b.txt", "/store", "/store/b.txt"},
      {"/docs/sub/b.txt", "/docs", "/store", "/store/docs/sub/b.txt"},
      {"/docs/sub/b.txt", "/docs/", "/store", "/store/sub/b.txt"},
      {"/docs/sub/b.txt", "/docs/sub/b.txt", "/store//", "/store/b.txt"},
      {"/docs/sub/b.txt", "/other/x", "/store", "/store/sub/b.txt"},  // only the piece count matters
      {"/docs/sub/b.txt", "/a/b/c/d/e/f", "/store", "/store/b.txt"},  // too long: the file name stays
      {"/docs/sub/b.txt", "", "/store", "/store/b.txt"},
      {"/docs/sub/b.txt", "/docs", "/", "/docs/sub/b.txt"},
      {"/docs/sub/b.txt", "/docs", "", "/docs/sub/b.txt"},
      {"/docs/sub/", "/docs", "/store", "/store/docs/sub"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ArchiveDestination(c.source, c.base, c.root), c.destination)
        << c.source << " base " << c.base << " root " << c.root;
  }
}

TEST(CollisionName, Table) {
  const std::pair<const char*, const char*> cases[] = {
      {"/store/b.txt", "/store/b_20081210093005.txt"},
      {"/store/README", "/store/README_20081210093005"},
      {"/store/a.tar.gz", "/store/a.tar_20081210093005.gz"},
      {"/store/.bashrc", "/store/.bashrc_20081210093005"},
      {"/store/a.", "/store/a_20081210093005."},
      {"/b.txt", "/b_20081210093005.txt"},
  };
  for (const auto& [destination, expected] : cases) {
    EXPECT_EQ(CollisionName(destination, test::FixedTime()), expected);
  }
  // Months, days and hours below ten keep two digits.
  EXPECT_EQ(CollisionName("/s/x", std::chrono::system_clock::time_point(std::chrono::seconds(1136185445))),
            "/s/x_20060102070405");
}

}  // namespace
}  // namespace ovelin

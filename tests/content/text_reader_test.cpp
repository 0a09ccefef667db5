#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include "content_test_support.h"
#include "query/content/lower_case.h"

namespace ovelin {
namespace {

using namespace std::string_literals;
using test::MatchesOnce;
using test::TempDir;
using test::WriteTextFile;

std::string Utf16(std::u16string_view text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

TEST(TextReader, DecodesEveryMarkedAndUnmarkedForm) {
  TempDir dir;
  const struct {
    const char* name;
    std::string bytes;
  } files[] = {
      {"le.txt", Utf16(u"Meeting NOTES 会议纪要", false)},
      {"be.txt", Utf16(u"Meeting NOTES 会议纪要", true)},
      {"bom.txt", "\xEF\xBB\xBFMeeting NOTES 会议纪要"},
      {"plain.TXT", "Meeting NOTES 会议纪要"},
  };
  for (const auto& file : files) {
    WriteTextFile(dir / file.name, file.bytes);
    EXPECT_TRUE(MatchesOnce("notes", dir / file.name)) << file.name;
    EXPECT_TRUE(MatchesOnce("ng no", dir / file.name)) << file.name;
    EXPECT_TRUE(MatchesOnce("纪要", dir / file.name)) << file.name;
    EXPECT_FALSE(MatchesOnce("minutes", dir / file.name)) << file.name;
  }
}

TEST(TextReader, SearchesXmlMarkupAsText) {
  TempDir dir;
  WriteTextFile(dir / "data.xml", "<?xml version=\"1.0\"?><Invoice Customer=\"ACME\"><Total>12</Total></Invoice>");
  EXPECT_TRUE(MatchesOnce("customer=\"acme\"", dir / "data.xml"));
  EXPECT_TRUE(MatchesOnce("<total>", dir / "data.xml"));
  EXPECT_FALSE(MatchesOnce("invoices", dir / "data.xml"));
}

TEST(TextReader, UppercaseContentIsFoundByUppercaseKeywordLowered) {
  TempDir dir;
  WriteTextFile(dir / "a.txt", "ÜBERSICHT");
  EXPECT_TRUE(MatchesOnce(LowerCase("Übersicht"), dir / "a.txt"));
  EXPECT_FALSE(MatchesOnce("ÜBERSICHT", dir / "a.txt"));  // keywords arrive lower-cased
}

TEST(TextReader, InvalidUtf8AndEmbeddedNulAreSearchedSafely) {
  TempDir dir;
  WriteTextFile(dir / "bad.txt", "\xFF\xC3 start\0 after-nul \xE4\xB8"s);
  EXPECT_TRUE(MatchesOnce("after-nul", dir / "bad.txt"));
  EXPECT_FALSE(MatchesOnce("\xFF", dir / "bad.txt"));
}

TEST(TextReader, ReadsNoMoreThanTheLimit) {
  TempDir dir;
  WriteTextFile(dir / "big.txt", std::string(1000, 'a') + "tail");
  ContentOptions options = test::TestOptions();
  options.maxFileBytes = 1000;
  EXPECT_FALSE(MatchesOnce("tail", dir / "big.txt", options));
  options.maxFileBytes = 1004;
  EXPECT_TRUE(MatchesOnce("tail", dir / "big.txt", options));
}

TEST(TextReader, WhatCannotBeReadDoesNotMatch) {
  TempDir dir;
  WriteTextFile(dir / "empty.txt", "");
  ::mkdir((dir / "folder.txt").c_str(), 0755);
  ::symlink((dir / "gone.txt").c_str(), (dir / "dangling.txt").c_str());
  ::mkfifo((dir / "pipe.txt").c_str(), 0644);
  for (const char* name : {"missing.txt", "empty.txt", "folder.txt", "dangling.txt", "pipe.txt"}) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(MatchesOnce("a", dir / name)) << name;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << name;  // a FIFO must not block
  }
}

TEST(TextReader, UnreadableFileDoesNotMatch) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
  TempDir dir;
  WriteTextFile(dir / "secret.txt", "keyword");
  ::chmod((dir / "secret.txt").c_str(), 0);
  EXPECT_FALSE(MatchesOnce("keyword", dir / "secret.txt"));
}

TEST(ContentExtension, TakesTheLastDotOfTheFileName) {
  const struct {
    const char* path;
    const char* extension;
  } cases[] = {
      {"/a/b/Report.TXT", "txt"}, {"/a/b.d/notes", ""}, {"/a/archive.tar.XML", "xml"}, {"/a/b/", ""},
      {"/a/.profile", "profile"}, {"/a/name.", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ContentExtension(c.path), c.extension) << c.path;
}

TEST(ContentMatcher, OtherExtensionsNeverMatch) {
  TempDir dir;
  for (const char* name : {"song.mp3", "paper.pdf", "page.rtf", "notes.md"}) {
    WriteTextFile(dir / name, "keyword keyword");
    EXPECT_FALSE(MatchesOnce("keyword", dir / name)) << name;
  }
}

}  // namespace
}  // namespace ovelin

#include <gtest/gtest.h>

#include <chrono>

#include "content_test_support.h"
#include "query/content/html_charset.h"
#include "query/content/html_text.h"

namespace ovelin {
namespace {

using namespace std::string_literals;
using test::MatchesOnce;
using test::TempDir;
using test::WriteTextFile;

TEST(HtmlReader, MatchesDecodedTextOfThePage) {
  TempDir dir;
  WriteTextFile(dir / "page.html",
                "<!DOCTYPE html><html><head><title>Tom &amp; Jerry</title>"
                "<script>var hidden = 'scriptword';</script><style>.stylerule{}</style></head>"
                "<body><p>Caf&eacute; <b>Ménage</b>&nbsp;à trois</p><!-- commentword -->"
                "<p>split<i>word</i></p><table><tr><td>Zelle</td></tr></table></body></html>");
  const struct {
    const char* keyword;
    bool found;
  } cases[] = {
      {"tom & jerry", true},                         // entity in the title
      {"café", true},                                // named entity
      {"ménage", true},                              // non-ASCII word, lower-cased
      {"splitword", true},                           // spans two text nodes of one element
      {"zelle", true},       {"&amp;", false},       // markup is not text
      {"<b>", false},        {"scriptword", false},  // script and style text is skipped
      {"stylerule", false},  {"commentword", false},
  };
  for (const auto& c : cases) EXPECT_EQ(MatchesOnce(c.keyword, dir / "page.html"), c.found) << c.keyword;
}

TEST(HtmlReader, TranscodesByDeclaredCharset) {
  TempDir dir;
  // "中文页面" in GBK, declared by a charset attribute with a narrower label.
  WriteTextFile(dir / "gbk.htm",
                "<html><head><meta charset=\"gb2312\"></head><body>\xD6\xD0\xCE\xC4\xD2\xB3\xC3\xE6</body></html>");
  // "Café" in ISO-8859-1, declared the old way.
  WriteTextFile(dir / "latin.html",
                "<html><head><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=ISO-8859-1\">"
                "</head><body>Caf\xE9 \x93quoted\x94</body></html>");
  WriteTextFile(dir / "bom.html", "\xFF\xFE<\0p\0>\0\x2D\x4E\x87\x65<\0/\0p\0>\0"s);  // UTF-16LE "<p>中文</p>"
  EXPECT_TRUE(MatchesOnce("中文页面", dir / "gbk.htm"));
  EXPECT_TRUE(MatchesOnce("café", dir / "latin.html"));
  EXPECT_TRUE(MatchesOnce("\u201Cquoted\u201D", dir / "latin.html"));  // the label means windows-1252
  EXPECT_TRUE(MatchesOnce("中文", dir / "bom.html"));
}

TEST(HtmlCharset, FindsEitherDeclaration) {
  const struct {
    const char* page;
    const char* label;
  } cases[] = {
      {"<meta charset=utf-8>", "utf-8"},
      {"<META Charset = 'Big5' >", "big5"},
      {"<meta http-equiv=content-type content='text/html;charset=euc-jp'>", "euc-jp"},
      {"<meta content=\"text/html; charset=GBK\" http-equiv=\"Content-Type\">", "gbk"},
      {"<meta name=author content=x><p>charset=koi8-r</p>", ""},  // not inside a meta tag
      {"<html><body>none</body></html>", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(DeclaredHtmlCharset(c.page), c.label) << c.page;
}

TEST(HtmlCharset, UnknownOrMissingCharsetFallsBackToUtf8) {
  EXPECT_EQ(HtmlToUtf8("<meta charset=no-such-set><p>Grüße</p>"), "<meta charset=no-such-set><p>Grüße</p>");
  EXPECT_EQ(HtmlToUtf8("<p>\xE9t\xE9</p>", "iso-8859-1"), "<p>été</p>");  // fallback from outside the page
  EXPECT_EQ(HtmlToUtf8("<meta charset=utf-8><p>\xE9</p>", "iso-8859-1"), "<meta charset=utf-8><p>\xE9</p>");
  EXPECT_EQ(HtmlToUtf8("<meta charset=utf-16><p>ü</p>"), "<meta charset=utf-16><p>ü</p>");
  EXPECT_EQ(HtmlToUtf8("<\0p\0>\0\xFC\0"s, "utf-16le"), "<p>ü");
}

TEST(HtmlReader, MalformedAndEmptyPagesDoNotFail) {
  TempDir dir;
  WriteTextFile(dir / "broken.html", "<p>unclosed <b>bold <table><td>cell</i></div> tail &bogus; \xFF\xFE");
  WriteTextFile(dir / "empty.html", "");
  EXPECT_TRUE(MatchesOnce("cell", dir / "broken.html"));
  EXPECT_TRUE(MatchesOnce("tail &bogus;", dir / "broken.html"));
  EXPECT_FALSE(MatchesOnce("anything", dir / "empty.html"));
}

TEST(HtmlDocumentText, DeepNestingEndsWithinTheTimeLimit) {
  std::string page;
  for (int i = 0; i < 200000; ++i) page += "<div>";
  page += "deep";
  HtmlParseLimits limits;
  limits.maxTime = std::chrono::milliseconds(300);
  const auto start = std::chrono::steady_clock::now();
  const auto text = HtmlDocumentText(page, limits);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
  EXPECT_FALSE(text.has_value());
}

TEST(HtmlDocumentText, MemoryBudgetStopsExplosiveMarkup) {
  // Reopened formatting elements multiply: every closed <div> makes the parser
  // rebuild all open <b> elements for the next text.
  std::string page;
  for (int i = 0; i < 2000; ++i) page += "<div>";
  for (int i = 0; i < 2000; ++i) page += "<b id=" + std::to_string(i) + ">";
  for (int i = 0; i < 2000; ++i) page += "</div>x";
  HtmlParseLimits limits;
  limits.maxMemoryBytes = size_t{64} << 20;
  EXPECT_FALSE(HtmlDocumentText(page, limits).has_value());
  EXPECT_TRUE(HtmlDocumentText("<b id=1><div>ok</div>", limits).has_value());
}

}  // namespace
}  // namespace ovelin

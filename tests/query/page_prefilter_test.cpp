// The HTML pre-test: it may let pages through that do not hold the keyword, but
// must never turn away one whose document text does.
#include <gtest/gtest.h>

#include <random>

#include "query/content/html_text.h"
#include "query/content/lower_case.h"
#include "query/page_prefilter.h"
#include "support/test_support.h"

namespace ovelin {
namespace {

TEST(PagePrefilter, RulesOutOnlyPagesThatCannotHoldTheKeyword) {
  struct Case {
    std::string page;  // lower-cased already
    std::string keyword;
    bool mayContain;
  };
  const std::vector<Case> cases = {
      {"<p>a quokka sat</p>", "quokka", true},
      {"<p>a wombat sat</p>", "quokka", false},
      {"<p title=\"quokka\">a wombat</p>", "quokka", true},  // only in markup: the parse decides
      {"<p>quo<b>kka</b></p>", "quokka", true},              // split by a tag
      {"<p>quo<!-- x -->kka</p>", "quokka", true},           // split by a comment
      {"<svg><![cdata[quo]]>kka</svg>", "quokka", true},     // split by a CDATA end
      {"<p>quok", "quokka", true},                           // the page ends inside it
      {"<table><tr><td>kka</td></tr>quo", "quokka", true},   // moved in front of the table
      {"<p>&#113;uokka</p>", "quokka", true},                // a character reference
      {"<p>wombat &amp; emu</p>", "quokka", true},           // any reference could make it
      {std::string("<p>quo\0kka</p>", 14), "quokka", true},  // NULs are dropped
      {"<isindex>", "searchable", true},                     // the parser's own prompt
      {"<p>kka quo.</p>", "quokka", false},                  // the pieces in the wrong order
      {"<p>x</p>", "a\nb", true},                            // line ends are rewritten
      {"<p>图书馆</p>", "书", true},
      {"<p>图书馆</p>", "书店", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PageTextMayContain(c.page, c.keyword), c.mayContain) << c.page << " / " << c.keyword;
  }
}

// Random pages from pieces that cut, hide and make text in every way the parser
// knows; whenever the parsed text holds the keyword, the pre-test must agree.
TEST(PagePrefilter, NeverRulesOutAPageWhoseTextHoldsTheKeyword) {
  const std::vector<std::string> pieces = {"qu",         "quo",
                                           "okk",        "kka",
                                           "a",          "Q",
                                           "K",          " ",
                                           "<b>",        "</b>",
                                           "<p>",        "<!--",
                                           "-->",        "<script>",
                                           "</script>",  "<style>",
                                           "</style>",   "<table>",
                                           "<tr>",       "<td>",
                                           "</td>",      "<svg>",
                                           "<![CDATA[",  "]]>",
                                           "&#113;",     "&amp;",
                                           "&QUOT;",     "<title>",
                                           "</title>",   "<pre>\n",
                                           "<textarea>", "</textarea>",
                                           "<iframe>",   "</iframe>",
                                           "\r\n",       "<a href=\"",
                                           "\">",        "<",
                                           ">",          "]",
                                           "É",          "<ISINDEX>",
                                           "<br/>",      "<template>",
                                           "</html>",    std::string(1, '\0')};
  const std::vector<std::string> keywords = {"quokka", "uokk", "qu", "a", "kq", "ka quo", "é", "&"};
  std::mt19937 random(11);
  int rejected = 0;
  for (int round = 0; round < 20000; ++round) {
    std::string page;
    const int length = 1 + static_cast<int>(random() % 14);
    for (int i = 0; i < length; ++i) page += pieces[random() % pieces.size()];
    const auto text = HtmlDocumentText(page, HtmlParseLimits{});
    ASSERT_TRUE(text);
    const std::string lowerText = LowerCase(*text);
    const std::string lowerPage = LowerCase(page);
    for (const auto& keyword : keywords) {
      const bool may = PageTextMayContain(lowerPage, keyword);
      if (lowerText.find(keyword) != std::string::npos) {
        ASSERT_TRUE(may) << "page [" << page << "] text [" << *text << "] keyword " << keyword;
      }
      rejected += !may;
    }
  }
  EXPECT_GT(rejected, 5000);  // the test still rules pages out
}

TEST(PagePrefilter, ReadsOnlyHtmlPagesAndLowerCasesThem) {
  test::TempDir dir;
  test::WriteTextFile(dir / "page.HTM", "<P>Wombat</P>");
  test::WriteTextFile(dir / "notes.txt", "wombat");
  const std::string page = dir / "page.HTM";
  const std::string notes = dir / "notes.txt";
  const std::string missing = dir / "missing.html";
  ContentPrefilter html(page, 1 << 20);
  EXPECT_TRUE(html.MayContain("wombat"));  // found only in the lower-cased page
  EXPECT_FALSE(html.MayContain("quokka"));
  EXPECT_TRUE(ContentPrefilter(notes, 1 << 20).MayContain("quokka"));  // the matcher decides other kinds
  EXPECT_TRUE(ContentPrefilter(missing, 1 << 20).MayContain("quokka"));
}

}  // namespace
}  // namespace ovelin

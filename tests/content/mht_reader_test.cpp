#include <gtest/gtest.h>

#include "content_test_support.h"
#include "query/content/mht_page.h"

namespace ovelin {
namespace {

using test::MatchesOnce;
using test::TempDir;
using test::WriteTextFile;

// An MHT file as browsers save it: a multipart/related message whose first part is the page.
std::string Mht(const std::string& pageHeaders, const std::string& pageBody) {
  return "From: <Saved by a browser>\r\n"
         "Subject: Saved page\r\n"
         "MIME-Version: 1.0\r\n"
         "Content-Type: multipart/related;\r\n\ttype=\"text/html\";\r\n\tboundary=\"----=_NextPart_000_0000\"\r\n"
         "\r\n"
         "This is a multi-part message in MIME format.\r\n"
         "\r\n"
         "------=_NextPart_000_0000\r\n" +
         pageHeaders + "\r\n" + pageBody +
         "\r\n"
         "------=_NextPart_000_0000\r\n"
         "Content-Type: text/plain\r\n"
         "Content-Location: http://example.com/notes.txt\r\n"
         "\r\n"
         "resourceword in a later part\r\n"
         "------=_NextPart_000_0000--\r\n";
}

TEST(MhtReader, DecodesQuotedPrintablePage) {
  TempDir dir;
  WriteTextFile(dir / "qp.mht", Mht("Content-Type: text/html; charset=\"utf-8\"\r\n"
                                    "Content-Transfer-Encoding: quoted-printable\r\n",
                                    "<html><body><p>Sch=C3=B6ne Gr=C3=BC=\r\n=C3=9Fe &amp; mehr</p></body></html>"));
  EXPECT_TRUE(MatchesOnce("schöne grüße & mehr", dir / "qp.mht"));  // soft line break joined
  EXPECT_FALSE(MatchesOnce("=c3", dir / "qp.mht"));
  EXPECT_FALSE(MatchesOnce("resourceword", dir / "qp.mht"));  // later parts are not the page
}

TEST(MhtReader, DecodesBase64PageInItsPartCharset) {
  TempDir dir;
  // "<p>中文网页</p>" in GBK, base64-encoded; the charset is named only by the MIME part.
  WriteTextFile(dir / "b64.mht", Mht("Content-Type: text/html; charset=\"gb2312\"\r\n"
                                     "Content-Transfer-Encoding: base64\r\n",
                                     "PHA+1tDOxM340rM8L3A+\r\n"));
  EXPECT_TRUE(MatchesOnce("中文网页", dir / "b64.mht"));
  EXPECT_FALSE(MatchesOnce("pha+", dir / "b64.mht"));
}

TEST(MhtReader, PassesSevenAndEightBitPagesThrough) {
  TempDir dir;
  WriteTextFile(dir / "8bit.mht", Mht("Content-Type: text/html; charset=utf-8\r\n"
                                      "Content-Transfer-Encoding: 8bit\r\n",
                                      "<p>Übersicht</p>"));
  WriteTextFile(dir / "single.mht", "MIME-Version: 1.0\r\nContent-Type: text/html\r\n\r\n<p>Single PART page</p>\r\n");
  EXPECT_TRUE(MatchesOnce("übersicht", dir / "8bit.mht"));
  EXPECT_TRUE(MatchesOnce("single part", dir / "single.mht"));
}

TEST(MhtPageHtml, UsesTheWholeFileWhenThereIsNoPagePart) {
  const std::string notHtmlFirst = Mht("Content-Type: image/png\r\n", "png bytes");
  EXPECT_EQ(MhtPageHtml(notHtmlFirst).html, notHtmlFirst);
  EXPECT_EQ(MhtPageHtml("<html>plain page, no MIME</html>").html, "<html>plain page, no MIME</html>");
  EXPECT_EQ(MhtPageHtml("").html, "");
}

TEST(MhtReader, MalformedMessagesDoNotMatchOrFail) {
  TempDir dir;
  WriteTextFile(
      dir / "cut.mht",
      Mht("Content-Type: text/html\r\nContent-Transfer-Encoding: base64\r\n", "!!!not base64").substr(0, 300));
  WriteTextFile(dir / "noboundary.mht",
                "Content-Type: multipart/related\r\n\r\n--x\r\nContent-Type: text/html\r\n\r\n<p>page</p>");
  EXPECT_FALSE(MatchesOnce("keyword", dir / "cut.mht"));
  EXPECT_FALSE(MatchesOnce("keyword", dir / "noboundary.mht"));
}

}  // namespace
}  // namespace ovelin

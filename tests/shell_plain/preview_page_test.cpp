// The preview page text: rows and separators, the rendering per extension, the
// picture display size, the media facts, and the escaping of every item text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/preview/preview_page.h"

namespace ovelin {
namespace {

const std::string kHeader =
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=unicode\"><title></title></head>"
    "<body  oncontextmenu=\"return false\"><table border=\"0\" width=\"100%\" id=\"table1\">";
const std::string kFooter = "</table></body></html>";

std::string Entry(const std::string& name, const std::string& address, const std::string& description) {
  return name + '\x1f' + address + '\x1f' + description;
}

std::string Link(const std::string& href, const std::string& name) {
  return "<b><a href=\"" + href + "\" onclick=\"return false;\">" + name + "</a></b>";
}

std::string OneRow(const std::string& block) { return kHeader + "<tr><td>" + block + "</td></tr>" + kFooter; }

std::string PageOf(const std::string& entry, const PreviewSources& sources = {}) {
  return BuildPreviewPage({entry}, sources);
}

// Media sources that answer with fixed facts and record what they were asked.
struct FakeMedia {
  explicit FakeMedia(MediaInfo answer) : info(std::move(answer)) {}
  MediaInfo info;
  std::vector<std::pair<std::string, MediaKind>> asked;

  PreviewSources Sources() {
    PreviewSources sources;
    sources.media = [this](const std::string& path, MediaKind kind) {
      asked.emplace_back(path, kind);
      return info;
    };
    return sources;
  }
};

MediaInfo Opened(int width, int height) {
  MediaInfo info;
  info.opened = true;
  info.width = width;
  info.height = height;
  return info;
}

TEST(PreviewPage, RowsAndSeparators) {
  EXPECT_EQ(BuildPreviewPage({}, {}), kHeader + kFooter);

  const std::string a = Entry("a", "https://example.org/a", "");
  EXPECT_EQ(PageOf(a), OneRow(Link("https://example.org/a", "a") + "<br>描述:"));

  const std::string page = BuildPreviewPage({a, a, a}, {});
  size_t rules = 0;
  for (size_t at = page.find("<hr>"); at != std::string::npos; at = page.find("<hr>", at + 1)) ++rules;
  EXPECT_EQ(rules, 2u);
  EXPECT_NE(page.find("<hr></td></tr><tr><td>"), std::string::npos);
  EXPECT_EQ(page.find("<hr></td></tr>" + kFooter), std::string::npos);
}

TEST(PreviewPage, ShortEntriesAndRejectedAddressesGiveEmptyRows) {
  const std::vector<std::string> entries = {
      "only\x1f"
      "file:///a.txt",
      Entry("x", "no-separator", "d"), Entry("y", "file://relative/y.txt", "d"), Entry("z", "a://b://c", "d")};
  EXPECT_EQ(BuildPreviewPage(entries, {}),
            kHeader + "<tr><td><hr></td></tr><tr><td><hr></td></tr><tr><td><hr></td></tr><tr><td></td></tr>" + kFooter);
}

TEST(PreviewPage, PictureWholeRowScaledToThreeHundred) {
  FakeMedia media(Opened(600, 400));
  EXPECT_EQ(PageOf(Entry("海 1.png", "file:///pics/海%201.png", "蓝"), media.Sources()),
            OneRow(Link("file:///pics/%E6%B5%B7%201.png", "海 1.png") +
                   "<br><br><img border=\"0\" src=\"file:///pics/%E6%B5%B7%201.png\" width=\"300\" height=\"200\">"
                   "<br>尺寸:600x400<br>描述:蓝"));
  ASSERT_EQ(media.asked.size(), 1u);
  EXPECT_EQ(media.asked[0].first, "/pics/海 1.png");
  EXPECT_EQ(media.asked[0].second, MediaKind::Picture);
}

TEST(PreviewPage, PictureSizes) {
  struct Case {
    MediaInfo info;
    std::string shown, size;
  };
  const Case cases[] = {
      {Opened(200, 1000), "width=\"200\" height=\"1000\"", "尺寸:200x1000"},
      {Opened(301, 100), "width=\"300\" height=\"99\"", "尺寸:301x100"},
      {Opened(0, 50), "width=\"150\" height=\"150\"", "尺寸:0x50"},
      {MediaInfo{}, "width=\"150\" height=\"150\"", "尺寸:0x0"},
      {[] {
         MediaInfo unread = Opened(640, 480);
         unread.opened = false;
         return unread;
       }(),
       "width=\"150\" height=\"150\"", "尺寸:0x0"},
  };
  for (const Case& c : cases) {
    FakeMedia media(c.info);
    const std::string page = PageOf(Entry("p", "file:///p.gif", ""), media.Sources());
    EXPECT_NE(page.find(c.shown + "><br>" + c.size + "<br>"), std::string::npos) << page;
  }
  EXPECT_NE(PageOf(Entry("p", "file:///p.bmp", "")).find("width=\"150\" height=\"150\"><br>尺寸:0x0"),
            std::string::npos);
  EXPECT_NE(PageOf(Entry("P.JPG", "file:///P.JPG", "")).find("<img"), std::string::npos);
  EXPECT_EQ(PageOf(Entry("p.jpeg", "file:///p.jpeg", "")), OneRow(Link("file:///p.jpeg", "p.jpeg") + "<br>描述:"));
}

TEST(PreviewPage, AudioWholeRows) {
  MediaInfo info;
  info.opened = true;
  info.duration = "03:25";
  info.title = "Song & Dance";
  info.authors = "A;B;C";
  info.album = "Album";
  info.year = "2001";
  info.genres = "Rock;Pop";
  FakeMedia media(info);
  const std::string facts =
      "<br>持续时间:03:25<br>标题:Song &amp; "
      "Dance<br>作者:A;B;C<br>专辑:Album<br>发行年:2001<br>流派:Rock;Pop<br>描述:d";
  EXPECT_EQ(PageOf(Entry("s", "file:///m/s.mp3", "d"), media.Sources()),
            OneRow(Link("file:///m/s.mp3", "s") +
                   "<br><br><audio controls preload=\"metadata\" src=\"file:///m/s.mp3\" style=\"width:300px\">"
                   "</audio>" +
                   facts));
  EXPECT_EQ(PageOf(Entry("s", "file:///m/s.WMA", "d"), media.Sources()), OneRow(Link("file:///m/s.WMA", "s") + facts));
  for (const char* extension : {"ogg", "oga", "opus", "wav", "flac"}) {
    const std::string page = PageOf(Entry("s", std::string("file:///s.") + extension, "d"), media.Sources());
    EXPECT_NE(page.find("<audio controls"), std::string::npos) << extension;
    EXPECT_NE(page.find(facts), std::string::npos) << extension;
  }
  ASSERT_FALSE(media.asked.empty());
  EXPECT_EQ(media.asked[0].first, "/m/s.mp3");
  EXPECT_EQ(media.asked[0].second, MediaKind::Audio);
}

TEST(PreviewPage, VideoAndPlayerlessRows) {
  MediaInfo info = Opened(320, 240);
  info.duration = "1:02:03";
  FakeMedia media(info);
  EXPECT_EQ(PageOf(Entry("v", "file:///v.webm", "d"), media.Sources()),
            OneRow(Link("file:///v.webm", "v") +
                   "<br><br><video controls preload=\"metadata\" width=\"300\" height=\"270\" src=\"file:///v.webm\">"
                   "</video><br>尺寸:320x240<br>持续时间:1:02:03<br>描述:d"));
  EXPECT_NE(PageOf(Entry("v", "file:///v.ogv", "d"), media.Sources()).find("<video"), std::string::npos);
  EXPECT_EQ(PageOf(Entry("v", "file:///v.avi", "d"), media.Sources()),
            OneRow(Link("file:///v.avi", "v") + "<br>尺寸:320x240<br>持续时间:1:02:03<br>描述:d"));
  EXPECT_EQ(media.asked.back(), std::make_pair(std::string("/v.avi"), MediaKind::Video));
  for (const char* extension : {"rm", "rmvb", "ram", "swf", "flv"}) {
    const std::string address = std::string("file:///v.") + extension;
    EXPECT_EQ(PageOf(Entry("v", address, "d"), media.Sources()), OneRow(Link(address, "v") + "<br>描述:d"));
  }
  EXPECT_EQ(media.asked.size(), 3u);  // no facts are read for the link-only formats
}

TEST(PreviewPage, FramesForPagesAndTextFiles) {
  const std::string frameTail =
      "\" width=\"100%\" height=\"598\">\t浏览器不支持嵌入式框架，或被配置为不显示嵌入式框架。</iframe><br>描述:d";
  EXPECT_EQ(PageOf(Entry("web", "http://example.org/a/index.htm?x=1&y=2", "d")),
            OneRow(Link("http://example.org/a/index.htm?x=1&amp;y=2", "web") +
                   "<br><br><iframe name=\"I1\" src=\"http://example.org/a/index.htm?x=1&amp;y=2" + frameTail));
  for (const char* extension : {"html", "shtml", "xml", "txt"}) {
    const std::string url = std::string("file:///home/u/a%23b%25.") + extension;
    EXPECT_EQ(PageOf(Entry("n", std::string("file:///home/u/a#b%.") + extension, "d")),
              OneRow(Link(url, "n") + "<br><br><iframe name=\"I1\" src=\"" + url + frameTail));
  }
}

TEST(PreviewPage, DocumentsShowTheirTextEscapedAndBounded) {
  std::vector<std::pair<std::string, std::string>> asked;
  std::string text = "a < b & \"c\"\n第二行";
  PreviewSources sources;
  sources.documentText = [&](const std::string& path, const std::string& extension) {
    asked.emplace_back(path, extension);
    return text;
  };
  const std::string pre = "<br><br><pre style=\"max-height:598px;overflow:auto;white-space:pre-wrap;margin:0\">";
  EXPECT_EQ(PageOf(Entry("w", "file:///d/w%20x.DOC", "d"), sources),
            OneRow(Link("file:///d/w%20x.DOC", "w") + pre + "a &lt; b &amp; &quot;c&quot;\n第二行</pre><br>描述:d"));
  for (const char* extension : {"xls", "ppt", "mht"}) {
    EXPECT_NE(PageOf(Entry("w", std::string("file:///w.") + extension, "d"), sources).find(pre + "a &lt;"),
              std::string::npos);
  }
  ASSERT_EQ(asked.size(), 4u);
  EXPECT_EQ(asked[0], std::make_pair(std::string("/d/w x.DOC"), std::string("doc")));
  EXPECT_EQ(asked[3].second, "mht");

  // A web address is not read; no reader shows an empty block.
  EXPECT_EQ(PageOf(Entry("w", "http://h/w.doc", "d"), sources),
            OneRow(Link("http://h/w.doc", "w") + pre + "</pre><br>描述:d"));
  EXPECT_EQ(asked.size(), 4u);
  EXPECT_EQ(PageOf(Entry("w", "file:///w.xls", "d")), OneRow(Link("file:///w.xls", "w") + pre + "</pre><br>描述:d"));

  // 64 KiB at most, never cutting a character: 65535 ASCII bytes, then a three-byte character.
  text = std::string(65535, 'x') + "字尾";
  const std::string page = PageOf(Entry("w", "file:///w.doc", ""), sources);
  EXPECT_NE(page.find(pre + std::string(65535, 'x') + "</pre>"), std::string::npos);
  EXPECT_EQ(CutUtf8("ab字", 4), "ab");
  EXPECT_EQ(CutUtf8("ab字", 5), "ab字");
}

TEST(PreviewPage, EveryItemTextIsEscaped) {
  const std::string hostile = "<script>alert('x')</script>\"&</table>";
  const std::string escaped = "&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;&quot;&amp;&lt;/table&gt;";
  MediaInfo info;
  info.opened = true;
  info.title = hostile;
  info.authors = "甲;'乙'";
  FakeMedia media(info);
  const std::string page =
      PageOf(Entry(hostile + "名字", "https://h/\"><script>x</script>.mp3?a='1'", hostile), media.Sources());
  EXPECT_EQ(page.find("<script"), std::string::npos);
  EXPECT_EQ(page.find("</table>"), page.size() - kFooter.size());
  EXPECT_NE(page.find("<a href=\"https://h/&quot;&gt;&lt;script&gt;x&lt;/script&gt;.mp3?a=&#39;1&#39;\""),
            std::string::npos);
  EXPECT_NE(page.find(">" + escaped + "名字</a>"), std::string::npos);
  EXPECT_NE(page.find("<br>标题:" + escaped + "<br>作者:甲;&#39;乙&#39;<br>"), std::string::npos);
  EXPECT_NE(page.find("<br>描述:" + escaped + "</td>"), std::string::npos);
}

TEST(PreviewPage, FileUrlsEncodeEverythingButUnreservedCharacters) {
  EXPECT_EQ(PageFileUrl("/home/u/My Pics/a#1 100%.jpg"), "file:///home/u/My%20Pics/a%231%20100%25.jpg");
  EXPECT_EQ(PageFileUrl("/文档/x-y_z.~"), "file:///%E6%96%87%E6%A1%A3/x-y_z.~");
  EXPECT_EQ(PageFileUrl("/a?b&c=\"d'"), "file:///a%3Fb%26c%3D%22d%27");
}

TEST(PreviewPage, CancellingStopsBetweenEntries) {
  int entriesRead = 0;
  PreviewSources sources;
  sources.media = [&](const std::string&, MediaKind) {
    ++entriesRead;
    return MediaInfo{};
  };
  sources.cancelled = [&] { return entriesRead >= 1; };
  EXPECT_EQ(BuildPreviewPage({Entry("a", "file:///a.png", ""), Entry("b", "file:///b.png", "")}, sources), "");
  EXPECT_EQ(entriesRead, 1);
}

}  // namespace
}  // namespace ovelin

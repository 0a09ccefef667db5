#pragma once
// The HTML page of the preview pane: one table row per selected item, with a link,
// an inline rendering chosen by the file's extension and a few lines of facts.
// Every text taken from an item is HTML-escaped; local files are addressed by
// percent-encoded file URLs.

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace ovelin {

/// What the media reader found out about a file; `opened` is false when it could
/// not read the file, and then every other value is left at its default.
struct MediaInfo {
  bool opened = false;
  int width = 0;
  int height = 0;
  std::string duration, title, authors, album, year, genres;  // authors and genres: ";"-joined, at most 10 values
};

enum class MediaKind { Picture, Audio, Video };

/// The words the page writes before the facts, in the interface language; the
/// desktop program translates them, the defaults are the program's own texts.
struct PreviewLabels {
  std::string size = "尺寸", duration = "持续时间", title = "标题", authors = "作者", album = "专辑", year = "发行年",
              genres = "流派", description = "描述";
  std::string noFrames = "浏览器不支持嵌入式框架，或被配置为不显示嵌入式框架。";
};

/// Where the page gets the facts it cannot compute itself. Every function may be empty.
struct PreviewSources {
  std::function<MediaInfo(const std::string& pathOrAddress, MediaKind kind)> media;  // empty: fallback values
  std::function<std::string(const std::string& localPath, const std::string& extension)>
      documentText;                 // doc/xls/ppt/mht
  std::function<bool()> cancelled;  // checked between entries
  PreviewLabels labels;
};

/// The preview page for entries "name U+001F address U+001F description", as UTF-8
/// (without a byte-order mark). Empty when `cancelled` reported true on the way.
std::string BuildPreviewPage(const std::vector<std::string>& entries, const PreviewSources& sources);

/// How the page addresses a local file: "file://" + the path percent-encoded (every
/// byte but the unreserved characters and "/").
std::string PageFileUrl(const std::string& localPath);

/// The display size of a picture of `width` x `height`: 150 x 150 when a side is
/// unknown (0), scaled down to 300 wide when wider, else unchanged.
std::pair<int, int> PictureDisplaySize(int width, int height);

/// At most `maxBytes` of UTF-8 `text`, cut before a character that would not fit whole.
std::string CutUtf8(const std::string& text, size_t maxBytes);

}  // namespace ovelin

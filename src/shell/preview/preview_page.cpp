#include "shell/preview/preview_page.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "filing/url_parts.h"
#include "store/xml_text.h"

namespace ovelin {

namespace {

constexpr char kFieldSeparator = '\x1f';
constexpr size_t kMaxDocumentTextBytes = size_t{64} << 10;

constexpr std::string_view kHeader =
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=unicode\"><title></title></head>"
    "<body  oncontextmenu=\"return false\"><table border=\"0\" width=\"100%\" id=\"table1\">";
constexpr std::string_view kFooter = "</table></body></html>";

// How an entry is shown below its link, by the file's extension.
enum class Rendering {
  Link,       // the link alone
  Picture,    // an image at its display size
  Audio,      // an audio element (formats the engine plays)
  Video,      // a video element (formats the engine plays)
  AudioLink,  // the link alone, with the audio facts
  VideoLink,  // the link alone, with the video facts
  Document,   // the extracted text of an office or MHT file
  Frame,      // an inline frame holding the page or text file
};

Rendering RenderingOf(std::string_view extension) {
  static constexpr std::pair<std::string_view, Rendering> kTable[] = {
      {"jpg", Rendering::Picture},  {"bmp", Rendering::Picture},   {"gif", Rendering::Picture},
      {"png", Rendering::Picture},  {"mp3", Rendering::Audio},     {"ogg", Rendering::Audio},
      {"oga", Rendering::Audio},    {"opus", Rendering::Audio},    {"wav", Rendering::Audio},
      {"flac", Rendering::Audio},   {"wma", Rendering::AudioLink}, {"webm", Rendering::Video},
      {"ogv", Rendering::Video},    {"wmv", Rendering::VideoLink}, {"avi", Rendering::VideoLink},
      {"doc", Rendering::Document}, {"xls", Rendering::Document},  {"ppt", Rendering::Document},
      {"mht", Rendering::Document}, {"htm", Rendering::Frame},     {"html", Rendering::Frame},
      {"shtml", Rendering::Frame},  {"xml", Rendering::Frame},     {"txt", Rendering::Frame},
  };
  for (const auto& [name, rendering] : kTable) {
    if (name == extension) return rendering;
  }
  return Rendering::Link;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return text;
}

// The store's XML escaping covers & < > "; an apostrophe could still close a
// single-quoted attribute value, so it is written as a reference as well.
void AppendEscaped(std::string& out, std::string_view text) {
  for (size_t start = 0;;) {
    const size_t quote = text.find('\'', start);
    AppendXmlEscaped(out, text.substr(start, quote == std::string_view::npos ? quote : quote - start));
    if (quote == std::string_view::npos) return;
    out += "&#39;";
    start = quote + 1;
  }
}

std::string Escaped(std::string_view text) {
  std::string out;
  AppendEscaped(out, text);
  return out;
}

// One entry, split and classified.
struct Entry {
  std::string name, description;
  std::string source;   // the local path of a file, else the address as given
  std::string pageUrl;  // how the page refers to it: PageFileUrl(path) or the address
  std::string extension;
  bool local = false;
};

std::optional<Entry> ParseEntry(std::string_view text) {
  std::vector<std::string_view> fields;
  for (size_t start = 0; fields.size() < 3;) {
    const size_t end = text.find(kFieldSeparator, start);
    fields.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  if (fields.size() < 3) return std::nullopt;
  const std::optional<UrlParts> url = SplitUrl(fields[1]);
  if (!url) return std::nullopt;
  Entry entry;
  entry.name = fields[0];
  entry.description = fields[2];
  entry.local = url->scheme == "file";
  entry.source = entry.local ? url->path : std::string(fields[1]);
  entry.pageUrl = entry.local ? PageFileUrl(url->path) : std::string(fields[1]);
  entry.extension = Lower(url->extension);
  return entry;
}

MediaInfo ReadMedia(const PreviewSources& sources, const Entry& entry, MediaKind kind) {
  if (!sources.media) return {};
  MediaInfo info = sources.media(entry.source, kind);
  return info.opened ? info : MediaInfo{};
}

// One line of facts: "<br>" + label + ":" + value, the value as it is.
void AppendFact(std::string& out, const std::string& label, const std::string& value) {
  out += "<br>" + Escaped(label) + ":" + value;
}

std::string SizeText(const MediaInfo& info) { return std::to_string(info.width) + "x" + std::to_string(info.height); }

void AppendAudioFacts(std::string& out, const MediaInfo& info, const PreviewLabels& labels) {
  AppendFact(out, labels.duration, Escaped(info.duration));
  AppendFact(out, labels.title, Escaped(info.title));
  AppendFact(out, labels.authors, Escaped(info.authors));
  AppendFact(out, labels.album, Escaped(info.album));
  AppendFact(out, labels.year, Escaped(info.year));
  AppendFact(out, labels.genres, Escaped(info.genres));
}

void AppendVideoFacts(std::string& out, const MediaInfo& info, const PreviewLabels& labels) {
  AppendFact(out, labels.size, SizeText(info));
  AppendFact(out, labels.duration, Escaped(info.duration));
}

void AppendEntryBlock(std::string& out, const Entry& entry, const PreviewSources& sources) {
  const std::string url = Escaped(entry.pageUrl);
  out += "<b><a href=\"" + url + "\" onclick=\"return false;\">" + Escaped(entry.name) + "</a></b>";
  switch (RenderingOf(entry.extension)) {
    case Rendering::Picture: {
      const MediaInfo info = ReadMedia(sources, entry, MediaKind::Picture);
      const auto [width, height] = PictureDisplaySize(info.width, info.height);
      out += "<br><br><img border=\"0\" src=\"" + url + "\" width=\"" + std::to_string(width) + "\" height=\"" +
             std::to_string(height) + "\">";
      AppendFact(out, sources.labels.size, SizeText(info));
      break;
    }
    case Rendering::Audio:
      out += "<br><br><audio controls preload=\"metadata\" src=\"" + url + "\" style=\"width:300px\"></audio>";
      [[fallthrough]];
    case Rendering::AudioLink:
      AppendAudioFacts(out, ReadMedia(sources, entry, MediaKind::Audio), sources.labels);
      break;
    case Rendering::Video:
      out += "<br><br><video controls preload=\"metadata\" width=\"300\" height=\"270\" src=\"" + url + "\"></video>";
      [[fallthrough]];
    case Rendering::VideoLink:
      AppendVideoFacts(out, ReadMedia(sources, entry, MediaKind::Video), sources.labels);
      break;
    case Rendering::Document: {
      std::string text;
      if (entry.local && sources.documentText) text = sources.documentText(entry.source, entry.extension);
      out += "<br><br><pre style=\"max-height:598px;overflow:auto;white-space:pre-wrap;margin:0\">" +
             Escaped(CutUtf8(text, kMaxDocumentTextBytes)) + "</pre>";
      break;
    }
    case Rendering::Frame:
      out += "<br><br><iframe name=\"I1\" src=\"" + url + "\" width=\"100%\" height=\"598\">\t" +
             Escaped(sources.labels.noFrames) + "</iframe>";
      break;
    case Rendering::Link:
      break;
  }
  AppendFact(out, sources.labels.description, Escaped(entry.description));
}

// The characters a URL never needs to escape (RFC 3986), independent of the locale.
bool IsUnreserved(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~';
}

}  // namespace

std::string BuildPreviewPage(const std::vector<std::string>& entries, const PreviewSources& sources) {
  std::string page(kHeader);
  for (size_t i = 0; i < entries.size(); ++i) {
    if (sources.cancelled && sources.cancelled()) return {};
    page += "<tr><td>";
    if (const std::optional<Entry> entry = ParseEntry(entries[i])) AppendEntryBlock(page, *entry, sources);
    if (i + 1 < entries.size()) page += "<hr>";
    page += "</td></tr>";
  }
  page += kFooter;
  return page;
}

std::string PageFileUrl(const std::string& localPath) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (const char c : localPath) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '/' || IsUnreserved(byte)) {
      url.push_back(c);
      continue;
    }
    url.push_back('%');
    url.push_back(kHex[byte >> 4]);
    url.push_back(kHex[byte & 0x0F]);
  }
  return url;
}

std::pair<int, int> PictureDisplaySize(int width, int height) {
  if (width <= 0 || height <= 0) return {150, 150};
  if (width <= 300) return {width, height};
  return {300, static_cast<int>(static_cast<long long>(height) * 300 / width)};
}

std::string CutUtf8(const std::string& text, size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  size_t end = maxBytes;
  // Back up over continuation bytes (10xxxxxx) to the start of the cut character.
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

}  // namespace ovelin

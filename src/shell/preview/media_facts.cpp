#include "shell/preview/media_facts.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <MediaInfo/MediaInfo.h>
#include <taglib/audioproperties.h>
#include <taglib/fileref.h>
#include <taglib/tfile.h>
#include <taglib/tpropertymap.h>

#include <QFile>
#include <QImageReader>
#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>

#include "base/unique_fd.h"

namespace ovelin {

namespace {

using Clock = std::chrono::steady_clock;

// MediaInfoLib reads at most this much of a file, and gives up after this long
// (well inside the reader's wait for an answer).
constexpr std::int64_t kMaxVideoBytesRead = std::int64_t{256} << 20;
constexpr std::chrono::milliseconds kMaxVideoReadTime{8000};
constexpr size_t kChunkBytes = size_t{64} << 10;

// An open regular file; pipes and devices are refused without blocking on them.
struct RegularFile {
  UniqueFd fd;
  std::int64_t size = 0;
};

std::optional<RegularFile> OpenRegularFile(const std::string& path) {
  if (path.empty() || path.front() != '/') return std::nullopt;
  RegularFile file{UniqueFd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC))};
  struct stat status {};
  if (!file.fd.valid() || ::fstat(file.fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  file.size = status.st_size;
  return file;
}

// The format is told by the content, whatever the file's name says.
std::optional<MediaFacts> ReadPictureFacts(const RegularFile& file) {
  QFile device;
  if (!device.open(file.fd.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) return std::nullopt;
  QImageReader reader(&device);
  const QSize size = reader.size();  // from the header; nothing is decoded
  if (!size.isValid() || size.isEmpty()) return std::nullopt;
  MediaFacts facts;
  facts.hasSize = true;
  facts.width = size.width();
  facts.height = size.height();
  return facts;
}

std::string Utf8(const TagLib::String& text) { return text.to8Bit(true); }

std::optional<MediaFacts> ReadTaggedAudioFacts(const std::string& path) {
  const TagLib::FileRef file(path.c_str(), true, TagLib::AudioProperties::Average);
  if (file.isNull()) return std::nullopt;
  MediaFacts facts;
  if (const TagLib::AudioProperties* audio = file.audioProperties(); audio && audio->lengthInMilliseconds() > 0) {
    facts.duration = FormatDuration(audio->lengthInMilliseconds());
  }
  static const std::pair<const char*, const char*> kNames[] = {
      {"TITLE", "Title"}, {"ARTIST", "Author"}, {"ALBUM", "WM/AlbumTitle"}, {"DATE", "WM/Year"}, {"GENRE", "WM/Genre"}};
  const TagLib::PropertyMap properties = file.file()->properties();
  for (const auto& [tagName, playerName] : kNames) {
    const auto found = properties.find(tagName);
    if (found == properties.end()) continue;
    std::vector<std::string>& values = facts.attributes[playerName];
    for (const TagLib::String& value : found->second) values.push_back(Utf8(value));
  }
  // TagLib takes any bytes named .mp3 for a file; without sound or tags it is none.
  if (facts.duration.empty() && facts.attributes.empty()) return std::nullopt;
  return facts;
}

std::string Utf8(const MediaInfoLib::String& text) { return QString::fromStdWString(text).toStdString(); }

long long Number(const MediaInfoLib::String& text) {
  // Durations may carry decimals ("2000.000"); only the whole part counts.
  return static_cast<long long>(std::wcstod(text.c_str(), nullptr));
}

// Feeds the file to MediaInfoLib chunk by chunk (reading it ourselves keeps every
// file name readable, whatever the locale, and bounds the work).
bool ParseWithMediaInfo(RegularFile& file, MediaInfoLib::MediaInfo& info) {
  if (info.Open_Buffer_Init(static_cast<ZenLib::int64u>(file.size), 0) == 0) return false;
  std::vector<ZenLib::int8u> chunk(kChunkBytes);
  const Clock::time_point deadline = Clock::now() + kMaxVideoReadTime;
  std::int64_t offset = 0;
  for (std::int64_t total = 0; total < kMaxVideoBytesRead && Clock::now() < deadline;) {
    const ssize_t got = ::pread(file.fd.get(), chunk.data(), chunk.size(), offset);
    if (got <= 0) break;
    offset += got;
    total += got;
    if (info.Open_Buffer_Continue(chunk.data(), static_cast<size_t>(got)) & 0x08) break;  // bit 3: finalized
    const ZenLib::int64u goTo = info.Open_Buffer_Continue_GoTo_Get();
    if (goTo == static_cast<ZenLib::int64u>(-1)) continue;
    offset = static_cast<std::int64_t>(goTo);
    info.Open_Buffer_Init(static_cast<ZenLib::int64u>(file.size), goTo);
  }
  info.Open_Buffer_Finalize();
  return !info.Get(MediaInfoLib::Stream_General, 0, __T("Format")).empty();
}

std::optional<MediaFacts> ReadMediaInfoFacts(RegularFile& file, MediaKind kind) {
  MediaInfoLib::MediaInfo info;
  if (!ParseWithMediaInfo(file, info)) return std::nullopt;
  if (kind == MediaKind::Audio && info.Count_Get(MediaInfoLib::Stream_Audio) == 0) return std::nullopt;
  MediaFacts facts;
  const long long milliseconds = Number(info.Get(MediaInfoLib::Stream_General, 0, __T("Duration")));
  if (milliseconds > 0) facts.duration = FormatDuration(milliseconds);
  if (info.Count_Get(MediaInfoLib::Stream_Video) > 0) {
    facts.width = static_cast<int>(Number(info.Get(MediaInfoLib::Stream_Video, 0, __T("Width"))));
    facts.height = static_cast<int>(Number(info.Get(MediaInfoLib::Stream_Video, 0, __T("Height"))));
    facts.hasSize = facts.width > 0 && facts.height > 0;
  }
  const std::string title = Utf8(info.Get(MediaInfoLib::Stream_General, 0, __T("Title")));
  if (!title.empty()) facts.attributes["Title"].push_back(title);
  return facts;
}

}  // namespace

std::optional<MediaFacts> ReadMediaFacts(const std::string& path, MediaKind kind) {
  std::optional<RegularFile> file = OpenRegularFile(path);
  if (!file) return std::nullopt;
  if (kind == MediaKind::Picture) return ReadPictureFacts(*file);
  if (kind == MediaKind::Audio) {
    if (std::optional<MediaFacts> facts = ReadTaggedAudioFacts(path)) return facts;
  }
  return ReadMediaInfoFacts(*file, kind);
}

std::string FormatDuration(std::int64_t milliseconds) {
  const std::int64_t seconds = (std::max<std::int64_t>(milliseconds, 0) + 500) / 1000;
  const auto hours = static_cast<long long>(seconds / 3600);
  const auto minutes = static_cast<int>(seconds / 60 % 60);
  const auto rest = static_cast<int>(seconds % 60);
  char text[32];
  if (hours > 0) {
    std::snprintf(text, sizeof text, "%lld:%02d:%02d", hours, minutes, rest);
  } else {
    std::snprintf(text, sizeof text, "%02d:%02d", minutes, rest);
  }
  return text;
}

}  // namespace ovelin

#pragma once
// Reading the facts the preview prints about a picture, audio or video file:
// picture size from the file header (Qt), audio tags and duration (TagLib),
// video size and duration (MediaInfoLib).

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "shell/preview/preview_page.h"

namespace ovelin {

/// What one file holds. Attributes are named as a media player names them: "Title",
/// "WM/AlbumTitle", "WM/Year" (one value) and "Author", "WM/Genre" (several).
struct MediaFacts {
  bool hasSize = false;
  int width = 0;
  int height = 0;
  std::string duration;  // empty when unknown
  std::map<std::string, std::vector<std::string>> attributes;
};

/// The facts of the regular local file at `path` read as `kind`; nothing when it is
/// no regular file (a folder, a pipe, an address) or no library can read it.
std::optional<MediaFacts> ReadMediaFacts(const std::string& path, MediaKind kind);

/// A duration as a player shows it: "03:25" below an hour, "1:02:03" from an hour
/// on, rounded to the nearest second.
std::string FormatDuration(std::int64_t milliseconds);

}  // namespace ovelin

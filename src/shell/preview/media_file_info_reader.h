#pragma once
// CMediaFileInfoReader: reads picture sizes, durations and tags for the preview on
// a worker thread of its own. Callers send requests (init, open, quit) and wait for
// the answer at most the request's time-out. One caller at a time talks to the
// reader: it takes a Turn, opens a file and reads the answer while it holds it.

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "shell/preview/media_facts.h"
#include "shell/preview/preview_page.h"

namespace ovelin {

class CMediaFileInfoReader {
 public:
  static constexpr std::chrono::milliseconds kInitTimeout{1000};   // RM_INIT
  static constexpr std::chrono::milliseconds kOpenTimeout{10000};  // RM_OPEN, and the wait for a turn
  static constexpr std::chrono::milliseconds kQuitTimeout{5000};   // RM_QUIT

  /// The calling thread's exclusive use of the reader, for as long as it lives.
  class Turn {
   public:
    /// Waits up to kOpenTimeout for the caller before; check with operator bool. A
    /// thread that already holds a turn gets none.
    explicit Turn(CMediaFileInfoReader& reader);
    Turn(const Turn&) = delete;
    Turn& operator=(const Turn&) = delete;
    /// Forgets the opened file's facts and lets the next caller in.
    ~Turn();
    /// True when the turn was had.
    explicit operator bool() const { return held_; }

   private:
    CMediaFileInfoReader& reader_;
    bool held_ = false;
  };

  CMediaFileInfoReader();
  CMediaFileInfoReader(const CMediaFileInfoReader&) = delete;
  CMediaFileInfoReader& operator=(const CMediaFileInfoReader&) = delete;
  /// Stops the worker (see Stop).
  ~CMediaFileInfoReader();

  /// Starts the worker and checks that it answers (RM_INIT); false when it does not.
  /// Not to be called while other threads use the reader.
  bool Start();
  /// Opens a local file as `kind` (RM_OPEN); true when its facts could be read.
  /// The caller must hold a Turn; the facts stay readable until it ends.
  bool Open(const std::string& path, MediaKind kind);
  /// The opened picture's or video's width and height; false when unknown.
  bool GetImageSize(int& width, int& height) const;
  /// The opened file's duration ("03:25", "1:02:03"); empty when unknown.
  std::string GetDurationString() const;
  /// The first value of an attribute ("Title", "WM/AlbumTitle", "WM/Year", ...).
  bool GetItemInfo(const std::string& name, std::string& value) const;
  /// Value number `index` (0-based) of a multi-valued attribute ("Author", "WM/Genre").
  bool GetItemInfoByType(const std::string& name, int index, std::string& value) const;
  /// Ends the worker (RM_QUIT), waiting at most kQuitTimeout; a worker still busy
  /// with a file then ends by itself once that file is read. Later opens fail.
  void Stop();

 private:
  struct Channel;
  struct Request;

  bool Send(const std::shared_ptr<Request>& request, std::chrono::milliseconds timeout);
  const MediaFacts* CurrentFacts() const;

  std::shared_ptr<Channel> channel_;
  std::thread worker_;
  std::timed_mutex turn_;
  std::atomic<std::thread::id> turnOwner_{};
  std::optional<MediaFacts> current_;  // touched only by the turn's holder
};

/// Opens `path` as `kind` in its own turn and collects the page's facts: sizes for
/// pictures and videos, durations for audio and video, tags for audio (authors and
/// genres: values 0..9 joined by ";", up to the first missing one). Not opened:
/// every value stays at its default.
MediaInfo ReadMediaInfo(CMediaFileInfoReader& reader, const std::string& path, MediaKind kind);

}  // namespace ovelin

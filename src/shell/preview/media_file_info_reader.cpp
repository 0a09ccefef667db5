#include "shell/preview/media_file_info_reader.h"

#include <condition_variable>
#include <deque>
#include <utility>

namespace ovelin {

// One request and its answer, shared by the caller and the worker: a caller that
// gave up waiting leaves it to the worker, which then skips or finishes it.
struct CMediaFileInfoReader::Request {
  enum class Message { Init = 1025, Open = 1026, Quit = 1027 };  // RM_INIT, RM_OPEN, RM_QUIT
  Message message = Message::Init;
  std::string path;
  MediaKind kind = MediaKind::Picture;
  bool answered = false;
  bool abandoned = false;
  int result = 0;
  std::optional<MediaFacts> facts;
};

// The worker's queue; it outlives the reader when a stopped worker is still busy.
struct CMediaFileInfoReader::Channel {
  std::mutex mutex;
  std::condition_variable requestArrived;
  std::condition_variable answerArrived;
  std::deque<std::shared_ptr<Request>> queue;
  bool accepting = false;

  // Called with `mutex` held.
  void Answer(Request& request, int result) {
    request.result = result;
    request.answered = true;
    answerArrived.notify_all();
  }

  void Run() {
    std::unique_lock lock(mutex);
    while (true) {
      requestArrived.wait(lock, [this] { return !queue.empty(); });
      const std::shared_ptr<Request> request = std::move(queue.front());
      queue.pop_front();
      if (request->abandoned) continue;
      switch (request->message) {
        case Request::Message::Init:
          Answer(*request, 1);  // the libraries are part of the program
          break;
        case Request::Message::Open: {
          lock.unlock();
          std::optional<MediaFacts> facts = ReadMediaFacts(request->path, request->kind);
          lock.lock();
          const int result = facts ? 1 : 0;
          request->facts = std::move(facts);
          Answer(*request, result);
          break;
        }
        case Request::Message::Quit:
          for (const std::shared_ptr<Request>& left : queue) Answer(*left, 0);
          queue.clear();
          Answer(*request, 1);
          return;
      }
    }
  }
};

CMediaFileInfoReader::Turn::Turn(CMediaFileInfoReader& reader) : reader_(reader) {
  if (reader_.turnOwner_ == std::this_thread::get_id()) return;  // a second turn of the same thread is refused
  held_ = reader_.turn_.try_lock_for(kOpenTimeout);
  if (held_) reader_.turnOwner_ = std::this_thread::get_id();
}

CMediaFileInfoReader::Turn::~Turn() {
  if (!held_) return;
  reader_.current_.reset();
  reader_.turnOwner_ = std::thread::id();
  reader_.turn_.unlock();
}

CMediaFileInfoReader::CMediaFileInfoReader() : channel_(std::make_shared<Channel>()) {}

CMediaFileInfoReader::~CMediaFileInfoReader() { Stop(); }

bool CMediaFileInfoReader::Start() {
  if (!worker_.joinable()) {
    // A fresh queue: a worker left busy by an earlier Stop still owns the old one.
    channel_ = std::make_shared<Channel>();
    channel_->accepting = true;
    worker_ = std::thread([channel = channel_] { channel->Run(); });
  }
  auto request = std::make_shared<Request>();
  return Send(request, kInitTimeout) && request->result == 1;
}

bool CMediaFileInfoReader::Send(const std::shared_ptr<Request>& request, std::chrono::milliseconds timeout) {
  std::unique_lock lock(channel_->mutex);
  if (!channel_->accepting) return false;
  if (request->message == Request::Message::Quit) {
    // Ahead of any waiting open, and the last request the worker takes.
    channel_->accepting = false;
    channel_->queue.push_front(request);
  } else {
    channel_->queue.push_back(request);
  }
  channel_->requestArrived.notify_one();
  if (channel_->answerArrived.wait_for(lock, timeout, [&] { return request->answered; })) return true;
  request->abandoned = true;
  return false;
}

bool CMediaFileInfoReader::Open(const std::string& path, MediaKind kind) {
  if (turnOwner_ != std::this_thread::get_id()) return false;
  current_.reset();
  auto request = std::make_shared<Request>();
  request->message = Request::Message::Open;
  request->path = path;
  request->kind = kind;
  if (!Send(request, kOpenTimeout) || request->result != 1) return false;
  current_ = std::move(request->facts);
  return current_.has_value();
}

const MediaFacts* CMediaFileInfoReader::CurrentFacts() const {
  if (turnOwner_ != std::this_thread::get_id() || !current_) return nullptr;
  return &*current_;
}

bool CMediaFileInfoReader::GetImageSize(int& width, int& height) const {
  const MediaFacts* facts = CurrentFacts();
  if (!facts || !facts->hasSize) return false;
  width = facts->width;
  height = facts->height;
  return true;
}

std::string CMediaFileInfoReader::GetDurationString() const {
  const MediaFacts* facts = CurrentFacts();
  return facts ? facts->duration : std::string();
}

bool CMediaFileInfoReader::GetItemInfo(const std::string& name, std::string& value) const {
  return GetItemInfoByType(name, 0, value);
}

bool CMediaFileInfoReader::GetItemInfoByType(const std::string& name, int index, std::string& value) const {
  const MediaFacts* facts = CurrentFacts();
  if (!facts || index < 0) return false;
  const auto found = facts->attributes.find(name);
  if (found == facts->attributes.end() || static_cast<size_t>(index) >= found->second.size()) return false;
  value = found->second[static_cast<size_t>(index)];
  return true;
}

void CMediaFileInfoReader::Stop() {
  if (!worker_.joinable()) return;
  auto request = std::make_shared<Request>();
  request->message = Request::Message::Quit;
  if (Send(request, kQuitTimeout))
    worker_.join();
  else
    worker_.detach();
}

MediaInfo ReadMediaInfo(CMediaFileInfoReader& reader, const std::string& path, MediaKind kind) {
  const CMediaFileInfoReader::Turn turn(reader);
  if (!turn || !reader.Open(path, kind)) return {};
  MediaInfo info;
  info.opened = true;
  if (kind != MediaKind::Audio) reader.GetImageSize(info.width, info.height);
  if (kind == MediaKind::Picture) return info;
  info.duration = reader.GetDurationString();
  if (kind == MediaKind::Video) return info;
  reader.GetItemInfo("Title", info.title);
  reader.GetItemInfo("WM/AlbumTitle", info.album);
  reader.GetItemInfo("WM/Year", info.year);
  const auto joined = [&reader](const char* name) {
    std::string values;
    std::string value;
    for (int index = 0; index < 10 && reader.GetItemInfoByType(name, index, value); ++index) {
      if (index > 0) values += ';';
      values += value;
    }
    return values;
  };
  info.authors = joined("Author");
  info.genres = joined("WM/Genre");
  return info;
}

}  // namespace ovelin

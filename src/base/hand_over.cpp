#include "base/hand_over.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/messages.h"
#include "base/unicode_text.h"

namespace ovelin {
namespace {

constexpr std::string_view kRecordSeparator = "\x1E";
constexpr std::string_view kFieldSeparator = "\x1F";

std::vector<std::string_view> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> pieces;
  size_t start = 0;
  while (true) {
    const size_t end = text.find(separator, start);
    pieces.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return pieces;
    start = end + separator.size();
  }
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string OctalMode(mode_t mode) {
  char text[8];
  std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
  return text;
}

// A folder that another user could have prepared must not be trusted: it has to
// be ours, a real folder (not a link), and closed to everyone else. Says what is
// wrong with it; empty when nothing is.
std::string FolderProblem(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return MessageText(MessageId::FileError, {path, std::strerror(errno)});
  if (S_ISLNK(info.st_mode)) return MessageText(MessageId::FolderIsLink, {path});
  if (!S_ISDIR(info.st_mode)) return MessageText(MessageId::NotAFolder, {path});
  if (info.st_uid != ::getuid()) return MessageText(MessageId::FolderOfOtherUser, {path, std::to_string(info.st_uid)});
  if ((info.st_mode & 077) != 0) return MessageText(MessageId::FolderOpenToOthers, {path, OctalMode(info.st_mode)});
  return {};
}

// The folder the channel would live in: the session's runtime folder, else ours
// under /tmp, created when missing; empty with the reason when it cannot be made.
std::string CandidateFolder(std::string& problem) {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime && IsFolder(runtime)) return runtime;
  const std::string fallback = "/tmp/ovelin-" + std::to_string(::getuid());
  if (::mkdir(fallback.c_str(), 0700) == 0 || errno == EEXIST) return fallback;
  problem = MessageText(MessageId::CannotCreateFolder, {fallback, std::strerror(errno)});
  return {};
}

}  // namespace

std::vector<HandOverRecord> ParseHandOverRecords(std::string_view utf16le) {
  const std::string text = Utf16ToUtf8(utf16le, false);
  std::vector<HandOverRecord> records;
  for (std::string_view record : Split(text, kRecordSeparator)) {
    const auto fields = Split(record, kFieldSeparator);
    if (fields.size() != 2 || fields[1].empty()) continue;
    records.push_back({std::string(fields[0]), std::string(fields[1])});
  }
  return records;
}

std::string EncodeHandOverRecords(const std::vector<HandOverRecord>& records) {
  std::string text;
  for (const auto& record : records) {
    if (!text.empty()) text += kRecordSeparator;
    text += record.name;
    text += kFieldSeparator;
    text += record.address;
  }
  return Utf8ToUtf16Le(text);
}

std::string FrameHandOverMessage(std::string_view body) {
  std::string framed;
  const auto size = static_cast<uint32_t>(body.size());
  for (int shift = 0; shift < 32; shift += 8) framed.push_back(static_cast<char>((size >> shift) & 0xFF));
  framed += body;
  return framed;
}

std::string HandOverChannelFolder(std::string* problem) {
  std::string why;
  const std::string folder = CandidateFolder(why);
  if (why.empty()) why = FolderProblem(folder);
  if (why.empty()) return folder;
  if (problem) *problem = why;
  return {};
}

std::string HandOverSocketPath(std::string* problem) {
  const std::string folder = HandOverChannelFolder(problem);
  return folder.empty() ? std::string() : folder + "/" + std::string(kHandOverChannelName);
}

}  // namespace ovelin

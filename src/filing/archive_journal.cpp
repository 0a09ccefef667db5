#include "filing/archive_journal.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string_view>

namespace ovelin {
namespace {

// A journal is "<prefix>XXXXXX<suffix>" in the data folder.
constexpr std::string_view kJournalPrefix = "ovelin-moves-";
constexpr std::string_view kJournalSuffix = ".journal";
constexpr std::string_view kHeader = "ovelin archive journal 1\n";
// Records are fields each ended by a zero byte (paths hold any other byte).
constexpr std::string_view kMoveTag = "M";    // index, device, inode, size, modified, from, to
constexpr std::string_view kLandedTag = "L";  // index, path
constexpr size_t kMoveFields = 7;
constexpr size_t kLandedFields = 2;

void AddField(std::string& record, std::string_view field) {
  record += field;
  record += '\0';
}

template <typename Number>
void AddNumber(std::string& record, Number number) {
  AddField(record, std::to_string(number));
}

std::string MoveRecord(const JournalMove& move) {
  std::string record;
  AddField(record, kMoveTag);
  AddNumber(record, move.index);
  AddNumber(record, move.identity.device);
  AddNumber(record, move.identity.inode);
  AddNumber(record, move.identity.size);
  AddNumber(record, move.identity.modifiedNs);
  AddField(record, move.from);
  AddField(record, move.to);
  return record;
}

template <typename Number>
bool ReadNumber(const std::string& text, Number& number) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size();
}

// The complete fields after the header; a last field without its end is cut off.
std::vector<std::string> ReadFields(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!text.starts_with(kHeader)) return {};
  std::vector<std::string> fields;
  size_t start = kHeader.size();
  for (size_t end = text.find('\0', start); end != std::string::npos; end = text.find('\0', start)) {
    fields.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return fields;
}

bool ReadMove(const std::string* field, JournalMove& move) {
  move.from = field[5];
  move.to = field[6];
  return ReadNumber(field[0], move.index) && ReadNumber(field[1], move.identity.device) &&
         ReadNumber(field[2], move.identity.inode) && ReadNumber(field[3], move.identity.size) &&
         ReadNumber(field[4], move.identity.modifiedNs) && !move.from.empty() && !move.to.empty();
}

// Reads the records from `fields`; stops at the first that is damaged or cut off.
JournalEntries ReadRecords(const std::vector<std::string>& fields) {
  JournalEntries entries;
  size_t at = 0;
  while (at < fields.size()) {
    const std::string& tag = fields[at++];
    const size_t count = tag == kMoveTag ? kMoveFields : tag == kLandedTag ? kLandedFields : 0;
    if (count == 0 || fields.size() - at < count) break;
    if (tag == kMoveTag) {
      JournalMove move;
      if (!ReadMove(&fields[at], move)) break;
      entries.moves.push_back(std::move(move));
    } else {
      size_t index = 0;
      if (!ReadNumber(fields[at], index) || fields[at + 1].empty()) break;
      entries.landed[index] = fields[at + 1];
    }
    at += count;
  }
  return entries;
}

bool IsJournalName(std::string_view name) {
  return name.size() > kJournalPrefix.size() + kJournalSuffix.size() && name.starts_with(kJournalPrefix) &&
         name.ends_with(kJournalSuffix);
}

struct DirectoryCloser {
  void operator()(DIR* directory) const { ::closedir(directory); }
};

}  // namespace

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return std::nullopt;
  return FileIdentity{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
                      static_cast<int64_t>(info.st_size),
                      static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

bool HoldsFile(const std::string& path, const FileIdentity& identity) {
  const std::optional<FileIdentity> found = IdentityOf(path);
  if (!found) return false;
  if (found->device == identity.device) return found->inode == identity.inode;
  return found->size == identity.size && found->modifiedNs == identity.modifiedNs;
}

bool ArchiveJournal::Begin(const std::string& folder, const std::vector<JournalMove>& moves) {
  folder_ = folder;
  if (moves.empty()) return true;
  if (folder.empty()) return false;
  std::string path = folder + "/" + std::string(kJournalPrefix) + "XXXXXX" + std::string(kJournalSuffix);
  UniqueFd fd(::mkostemps(path.data(), static_cast<int>(kJournalSuffix.size()), O_CLOEXEC));
  if (!fd.valid()) return false;
  std::string text(kHeader);
  for (const JournalMove& move : moves) text += MoveRecord(move);
  if (!WriteAll(fd.get(), text.data(), text.size()) || ::fsync(fd.get()) != 0 || !SyncFolder(folder)) {
    ::unlink(path.c_str());
    return false;
  }
  path_ = std::move(path);
  fd_ = std::move(fd);
  return true;
}

void ArchiveJournal::Landed(size_t index, const std::string& path) {
  if (!fd_.valid()) return;
  std::string record;
  AddField(record, kLandedTag);
  AddNumber(record, index);
  AddField(record, path);
  // A note that cannot be written leaves the planned name to look at.
  WriteAll(fd_.get(), record.data(), record.size());
}

void ArchiveJournal::Sync() {
  if (fd_.valid()) ::fsync(fd_.get());
}

void ArchiveJournal::Remove() {
  if (path_.empty()) return;
  fd_.Reset();
  ::unlink(path_.c_str());
  path_.clear();
}

std::vector<std::string> FindArchiveJournals(const std::string& folder) {
  std::vector<std::string> journals;
  const std::unique_ptr<DIR, DirectoryCloser> directory(::opendir(folder.c_str()));
  if (!directory) return journals;
  while (const dirent* entry = ::readdir(directory.get())) {
    if (IsJournalName(entry->d_name)) journals.push_back(folder + "/" + entry->d_name);
  }
  std::sort(journals.begin(), journals.end());
  return journals;
}

JournalEntries ReadArchiveJournal(const std::string& path) { return ReadRecords(ReadFields(path)); }

}  // namespace ovelin

#include "store/data_file.h"

#include "base/unique_fd.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <utility>

namespace ovelin {
namespace {

namespace fs = std::filesystem;

// The temporary name's random part, as mkstemp makes it.
constexpr std::string_view kTempPattern = "XXXXXX";
constexpr int kMaxLinkHops = 40;  // as the kernel's own limit (ELOOP)

std::string TempPathFor(const std::string& file) { return file + "." + std::string(kTempPattern); }

bool IsTempNameOf(std::string_view name, std::string_view file) {
  if (name.size() != file.size() + 1 + kTempPattern.size() || !name.starts_with(file)) return false;
  if (name[file.size()] != '.') return false;
  const std::string_view random = name.substr(file.size() + 1);
  return std::all_of(random.begin(), random.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); });
}

}  // namespace

std::optional<Bytes> ReadWholeFile(const std::string& path) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  Bytes bytes(static_cast<size_t>(info.st_size));
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  bytes.resize(done);
  return bytes;
}

std::string ResolveLinkedFile(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(current, ec))) break;
    const fs::path target = fs::read_symlink(current, ec);
    if (ec) break;
    current = target.is_absolute() ? target.string() : FolderOf(current) + "/" + target.string();
  }
  return current;
}

bool WriteFileAtomically(const std::string& path, const Bytes& bytes) {
  const std::string file = ResolveLinkedFile(path);
  std::string temp = TempPathFor(file);
  UniqueFd fd(::mkstemp(temp.data()));
  if (fd.get() < 0) return false;
  const bool ok = ::fchmod(fd.get(), 0600) == 0 && WriteAll(fd.get(), bytes.data(), bytes.size()) &&
                  ::fsync(fd.get()) == 0 && fd.Close() && ::rename(temp.c_str(), file.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolder(FolderOf(file));
  return true;
}

void RemoveWriteLeftovers(const std::string& path) {
  const fs::path file = ResolveLinkedFile(path);
  const std::string name = file.filename().string();
  std::error_code ec;
  for (fs::directory_iterator entry(file.parent_path(), ec), end; !ec && entry != end; entry.increment(ec)) {
    std::error_code ignored;
    if (IsTempNameOf(entry->path().filename().string(), name) && entry->is_regular_file(ignored) &&
        !entry->is_symlink(ignored)) {
      fs::remove(entry->path(), ignored);
    }
  }
}

bool CopyFileAtomically(const std::string& source, const std::string& target) {
  const auto bytes = ReadWholeFile(source);
  return bytes && WriteFileAtomically(target, *bytes);
}

std::string ResolveDataFolder(const std::string& explicitDir) {
  if (!explicitDir.empty()) return explicitDir;
  if (const char* dir = std::getenv("OVELIN_DATA_DIR"); dir && *dir) return dir;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::string(xdg) + "/ovelin";
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : ".") + "/.local/share/ovelin";
}

DataFileLock::Result DataFileLock::TryAcquire(const std::string& folder) {
  if (fd_.valid()) return Result::Acquired;
  const std::string dataFile = folder + "/" + kDataFileName;
  const std::string path = ResolveLinkedFile(dataFile) + kLockSuffix;
  UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
  if (!fd.valid()) return Result::Failed;
  if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return errno == EWOULDBLOCK ? Result::HeldByOther : Result::Failed;
  fd_ = std::move(fd);
  RemoveWriteLeftovers(dataFile);
  RemoveWriteLeftovers(dataFile + kBackupSuffix);
  return Result::Acquired;
}

std::string DefaultRootStorePath() {
  if (const char* documents = std::getenv("XDG_DOCUMENTS_DIR"); documents && *documents) return documents;
  const char* home = std::getenv("HOME");
  const std::string base = home && *home ? home : "";
  struct stat info {};
  if (!base.empty() && ::stat((base + "/Documents").c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
    return base + "/Documents";
  }
  return base + "/MyDoc";
}

}  // namespace ovelin

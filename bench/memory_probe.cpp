#include "bench/memory_probe.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <vector>

#include "bench/floor_operations.h"
#include "store/file_set_store.h"
#include "store/machine_identifier.h"

extern char** environ;

namespace ovelin {
namespace {

bool DoProbeWork(std::string_view kind, const std::string& dataFile) {
  if (kind == kProbeStore) {
    CFileSetStore store;
    return store.Load(dataFile) && store.ReadSetTreeItems(store.GetRootName()).has_value();
  }
  if (kind == kProbeFloor) {
    pugi::xml_document doc;
    return FloorLoad(dataFile, DataFileKeyMaterial(GetMachineIdentifier()), doc);
  }
  return false;
}

std::string ReadAll(int fd) {
  std::string text;
  char buffer[4096];
  while (true) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return text;
    text.append(buffer, static_cast<size_t>(got));
  }
}

// Runs the probe with its standard output on a pipe; its output, or nothing
// when it cannot start or does not exit with 0.
std::optional<std::string> RunProbeProcess(std::vector<std::string> args) {
  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  ::posix_spawn_file_actions_init(&actions);
  ::posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = ::posix_spawn(&pid, args.front().c_str(), &actions, nullptr, argv.data(), environ);
  ::posix_spawn_file_actions_destroy(&actions);
  ::close(pipeFds[1]);
  std::string output = spawned == 0 ? ReadAll(pipeFds[0]) : std::string();
  ::close(pipeFds[0]);
  if (spawned != 0) return std::nullopt;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return std::nullopt;
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return output;
}

}  // namespace

std::optional<long> ParsePeakResidentKiB(std::string_view status) {
  constexpr std::string_view key = "VmHWM:";
  const size_t at = status.find(key);
  if (at == std::string_view::npos) return std::nullopt;
  std::string_view rest = status.substr(at + key.size());
  const size_t digits = rest.find_first_not_of(" \t");
  if (digits == std::string_view::npos) return std::nullopt;
  rest.remove_prefix(digits);
  long kib = 0;
  const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), kib);
  if (ec != std::errc() || end == rest.data()) return std::nullopt;
  return kib;
}

int RunMemoryProbe(std::string_view kind, const std::string& dataFile) {
  if (!DoProbeWork(kind, dataFile)) return 1;
  // /proc files report a size of 0, so they are read to the end, not by size.
  const int fd = ::open("/proc/self/status", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return 1;
  const std::string status = ReadAll(fd);
  ::close(fd);
  const auto kib = ParsePeakResidentKiB(status);
  if (!kib) return 1;
  std::printf("%ld\n", *kib);
  return 0;
}

std::optional<double> ProbePeakMemory(const std::string& program, std::string_view kind, const std::string& dataFile) {
  const auto output = RunProbeProcess({program, std::string(kMemoryProbeFlag), std::string(kind), dataFile});
  if (!output) return std::nullopt;
  long kib = 0;
  const auto [end, ec] = std::from_chars(output->data(), output->data() + output->size(), kib);
  if (ec != std::errc() || end == output->data()) return std::nullopt;
  return static_cast<double>(kib) / 1024.0;
}

}  // namespace ovelin

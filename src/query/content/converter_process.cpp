#include "query/content/converter_process.h"

#include "store/unique_fd.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

extern char** environ;

namespace ovelin {

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kSlice{50};  // how often a stop request is noticed

// Spawn attributes and file actions for one child, released on scope exit.
class SpawnSetup {
 public:
  explicit SpawnSetup(int outputFd) {
    posix_spawnattr_init(&attributes_);
    posix_spawn_file_actions_init(&actions_);
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGTERM);
    posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    posix_spawnattr_setpgroup(&attributes_, 0);
    posix_spawnattr_setsigmask(&attributes_, &none);
    posix_spawnattr_setsigdefault(&attributes_, &defaults);
    posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions_, outputFd, 1);
    posix_spawn_file_actions_addopen(&actions_, 2, "/dev/null", O_WRONLY, 0);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions_);
    posix_spawnattr_destroy(&attributes_);
  }
  const posix_spawnattr_t* attributes() const { return &attributes_; }
  const posix_spawn_file_actions_t* actions() const { return &actions_; }

 private:
  posix_spawnattr_t attributes_;
  posix_spawn_file_actions_t actions_;
};

// A child process that is killed with its process group unless it was reaped.
class Child {
 public:
  explicit Child(pid_t pid) : pid_(pid) {}
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child() {
    if (pid_ <= 0) return;
    ::kill(-pid_, SIGKILL);
    while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
    }
  }

  // The exit status once the child has ended by the deadline; nothing otherwise.
  std::optional<int> WaitUntil(Clock::time_point deadline, const std::stop_token& stop) {
    while (true) {
      int status = 0;
      const pid_t done = ::waitpid(pid_, &status, WNOHANG);
      if (done == pid_) {
        pid_ = -1;
        return status;
      }
      if (done < 0 && errno != EINTR) return std::nullopt;
      if (Clock::now() >= deadline || stop.stop_requested()) return std::nullopt;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }

 private:
  pid_t pid_;
};

void LimitMemory(pid_t pid, size_t bytes) {
  const rlimit limit{bytes, bytes};
  ::prlimit(pid, RLIMIT_AS, &limit, nullptr);
}

// Reads the pipe until end of file; false on timeout, stop request, error or overflow.
bool ReadAll(int fd, std::string& output, size_t maxBytes, Clock::time_point deadline, const std::stop_token& stop) {
  char buffer[65536];
  while (true) {
    const auto now = Clock::now();
    if (now >= deadline || stop.stop_requested()) return false;
    const auto wait = std::min(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now) +
                                   std::chrono::milliseconds(1),
                               kSlice);
    pollfd entry{fd, POLLIN, 0};
    const int ready = ::poll(&entry, 1, static_cast<int>(wait.count()));
    if (ready < 0 && errno != EINTR) return false;
    if (ready <= 0) continue;
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    if (output.size() + static_cast<size_t>(got) > maxBytes) return false;
    output.append(buffer, static_cast<size_t>(got));
  }
}

}  // namespace

std::optional<std::string> RunConverter(const std::vector<std::string>& argv, const ConverterLimits& limits,
                                        std::stop_token stop) {
  if (argv.empty()) return std::nullopt;
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return std::nullopt;
  UniqueFd readEnd(fds[0]);
  UniqueFd writeEnd(fds[1]);
  std::vector<std::string> arguments = argv;
  std::vector<char*> pointers;
  for (auto& argument : arguments) pointers.push_back(argument.data());
  pointers.push_back(nullptr);

  const auto deadline = Clock::now() + limits.timeout;
  pid_t pid = -1;
  {
    const SpawnSetup setup(writeEnd.get());
    if (::posix_spawnp(&pid, pointers[0], setup.actions(), setup.attributes(), pointers.data(), environ) != 0) {
      return std::nullopt;
    }
  }
  Child child(pid);
  writeEnd.Reset();  // the child holds the only write end now: its exit ends our reads
  LimitMemory(pid, limits.maxMemoryBytes);

  std::string output;
  if (!ReadAll(readEnd.get(), output, limits.maxOutputBytes, deadline, stop)) return std::nullopt;
  const std::optional<int> status = child.WaitUntil(deadline, stop);
  if (!status || !WIFEXITED(*status) || WEXITSTATUS(*status) != 0) return std::nullopt;
  return output;
}

}  // namespace ovelin

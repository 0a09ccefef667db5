#include "query/content/converter_process.h"

#include "base/unique_fd.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <thread>

extern char** environ;

namespace ovelin {

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kSlice{50};  // how often a stop request is noticed

// The program file that argv[0] names: itself when it holds a "/", else the first
// executable of that name on PATH. Found before the fork, where searching is safe.
std::string FindProgram(const std::string& name) {
  if (name.find('/') != std::string::npos) return name;
  const char* path = std::getenv("PATH");
  std::string_view rest = path ? path : "/usr/bin:/bin";
  while (true) {
    const size_t colon = rest.find(':');
    const std::string_view folder = rest.substr(0, colon);
    const std::string candidate = (folder.empty() ? std::string(".") : std::string(folder)) + "/" + name;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    if (colon == std::string_view::npos) return {};
    rest.remove_prefix(colon + 1);
  }
}

// Runs in the forked child, so only async-signal-safe calls: a group of its own,
// the usual signals, /dev/null around `outputFd` as standard output, the memory
// limit, and death with the parent. The parent may have died before the prctl
// took effect; then its pid is no longer ours to see and the child ends at once.
[[noreturn]] void BecomeConverter(const std::string& program, char* const* argv, int outputFd, pid_t parent,
                                  size_t maxMemoryBytes) {
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (::getppid() != parent) ::_exit(127);
  ::setpgid(0, 0);
  struct sigaction defaults {};
  defaults.sa_handler = SIG_DFL;
  for (const int number : {SIGPIPE, SIGINT, SIGTERM}) ::sigaction(number, &defaults, nullptr);
  sigset_t none;
  sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  const int input = ::open("/dev/null", O_RDONLY);
  const int errors = ::open("/dev/null", O_WRONLY);
  if (input < 0 || errors < 0 || ::dup2(input, 0) < 0 || ::dup2(outputFd, 1) < 0 || ::dup2(errors, 2) < 0) {
    ::_exit(127);
  }
  const rlimit limit{maxMemoryBytes, maxMemoryBytes};
  ::setrlimit(RLIMIT_AS, &limit);
  ::execve(program.c_str(), argv, environ);
  ::_exit(127);
}

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

// Reads the pipe until end of file; false on timeout, stop request, error or overflow.
bool ReadAll(int fd, std::string& output, size_t maxBytes, Clock::time_point deadline, const std::stop_token& stop) {
  char buffer[65536];
  while (true) {
    const auto now = Clock::now();
    if (now >= deadline || stop.stop_requested()) return false;
    const auto wait = std::min(
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now) + std::chrono::milliseconds(1), kSlice);
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

  const std::string program = FindProgram(argv.front());
  if (program.empty()) return std::nullopt;
  const auto deadline = Clock::now() + limits.timeout;
  const pid_t parent = ::getpid();
  const pid_t pid = ::fork();
  if (pid < 0) return std::nullopt;
  if (pid == 0) BecomeConverter(program, pointers.data(), writeEnd.get(), parent, limits.maxMemoryBytes);
  ::setpgid(pid, pid);  // the child does the same: whichever runs first, the group exists before a kill
  Child child(pid);
  writeEnd.Reset();  // the child holds the only write end now: its exit ends our reads

  std::string output;
  if (!ReadAll(readEnd.get(), output, limits.maxOutputBytes, deadline, stop)) return std::nullopt;
  const std::optional<int> status = child.WaitUntil(deadline, stop);
  if (!status || !WIFEXITED(*status) || WEXITSTATUS(*status) != 0) return std::nullopt;
  return output;
}

}  // namespace ovelin

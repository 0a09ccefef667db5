// The send command: hands files and addresses to the running desktop program.

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <cstring>
#include <filesystem>

#include "base/hand_over.h"
#include "base/messages.h"
#include "base/unique_fd.h"
#include "cli/cli_commands.h"
#include "cli/cli_output.h"
#include "store/file_url.h"

namespace ovelin::cli {
namespace {

constexpr int kReplyTimeoutMs = 10000;

// A target with a scheme is an address as typed; anything else is a local path.
HandOverRecord RecordOf(const std::string& target, const std::optional<std::string>& name) {
  if (target.find("://") != std::string::npos) return {name.value_or(target), target};
  const std::filesystem::path path = std::filesystem::absolute(target).lexically_normal();
  return {name.value_or(path.filename().string()), LocalPathToFileUrl(path.string())};
}

UniqueFd ConnectTo(const std::string& socketPath) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (socketPath.empty() || socketPath.size() >= sizeof(address.sun_path)) return UniqueFd();
  std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
  UniqueFd socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!socket.valid()) return socket;
  if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) socket.Reset();
  return socket;
}

// Reads the reply: exactly kHandOverReplyBytes bytes within the time limit.
bool ReadReply(int fd) {
  size_t received = 0;
  char reply[kHandOverReplyBytes];
  while (received < sizeof(reply)) {
    pollfd waiting{fd, POLLIN, 0};
    if (::poll(&waiting, 1, kReplyTimeoutMs) <= 0) return false;
    const ssize_t got = ::recv(fd, reply + received, sizeof(reply) - received, 0);
    if (got <= 0) return false;
    received += static_cast<size_t>(got);
  }
  return true;
}

int Send(CliContext&, const ParsedArgs& args) {
  std::vector<HandOverRecord> records;
  for (const auto& target : args.positionals) records.push_back(RecordOf(target, args.Last("--name")));
  const std::string body = EncodeHandOverRecords(records);
  if (body.size() > kMaxHandOverBytes) return Report({MessageId::TooManyTargets, MessageId::None}, kExitUsage);
  std::string problem;
  const std::string socketPath = HandOverSocketPath(&problem);
  // The desktop program runs without a channel in an unsafe folder: running or not, it cannot be reached.
  if (socketPath.empty()) return Report({MessageId::NoSafeChannel, MessageId::None, {problem}}, kExitFailed);
  const UniqueFd socket = ConnectTo(socketPath);
  if (!socket.valid()) return Report({MessageId::DesktopNotRunning, MessageId::None}, kExitFailed);
  const std::string message = FrameHandOverMessage(body);
  if (!WriteAll(socket.get(), message.data(), message.size()) || !ReadReply(socket.get())) {
    return Report({MessageId::HandOverRefused, MessageId::None}, kExitFailed);
  }
  return kExitOk;
}

}  // namespace

std::vector<Command> SendCommands() {
  return {
      {"send",
       "",
       "[--name N] TARGET...",
       "Hands files and addresses to the running desktop program.",
       {{"--name", true}},
       1,
       kAnyCount,
       Send,
       "TARGET is a local path (sent as its file URL, named by its file name) or an address with a scheme "
       "(named by itself); --name names every target. Fails when no desktop program runs, and when the "
       "channel's folder ($XDG_RUNTIME_DIR, else /tmp/ovelin-UID) is unsafe: a link, another user's, or open "
       "to others; the message says which."},
  };
}

}  // namespace ovelin::cli

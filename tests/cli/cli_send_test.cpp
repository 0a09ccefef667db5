// End-to-end: send hands records to whatever listens on the channel socket.
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <thread>

#include "base/hand_over.h"
#include "base/unique_fd.h"
#include "cli/cli_fixture.h"

namespace ovelin::test {
namespace {

// A stand-in for the desktop program: accepts one client, reads one message,
// answers with `reply`.
class FakeDesktop {
 public:
  FakeDesktop(const std::string& socketPath, std::string reply) : reply_(std::move(reply)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    listener_.Reset(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    EXPECT_EQ(::bind(listener_.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    EXPECT_EQ(::listen(listener_.get(), 1), 0);
    thread_ = std::thread([this] { Serve(); });
  }
  ~FakeDesktop() {
    if (thread_.joinable()) thread_.join();
  }
  /// Waits for the one client and returns the records it sent.
  std::vector<HandOverRecord> Received() {
    if (thread_.joinable()) thread_.join();
    return ParseHandOverRecords(body_);
  }

 private:
  void Serve() {
    const UniqueFd client(::accept(listener_.get(), nullptr, nullptr));
    char header[4];
    if (::recv(client.get(), header, 4, MSG_WAITALL) != 4) return;
    size_t length = 0;
    for (int i = 3; i >= 0; --i) length = length << 8 | static_cast<unsigned char>(header[i]);
    body_.resize(length);
    if (::recv(client.get(), body_.data(), length, MSG_WAITALL) != static_cast<ssize_t>(length)) return;
    WriteAll(client.get(), reply_.data(), reply_.size());
  }

  UniqueFd listener_;
  std::string reply_;
  std::string body_;
  std::thread thread_;
};

class CliSend : public CliTest {
 protected:
  std::string runtime_ = tmp_ / "runtime";
  std::vector<std::string> Env() const { return {"XDG_RUNTIME_DIR=" + runtime_}; }
  std::string Socket() const { return runtime_ + "/" + std::string(kHandOverChannelName); }
  void SetUp() override { ASSERT_EQ(::mkdir(runtime_.c_str(), 0700), 0); }
};

TEST_F(CliSend, HandsPathsAndAddressesOver) {
  FakeDesktop desktop(Socket(), std::string(kHandOverReplyBytes, '\0'));
  const auto result = CliRaw({"send", "/tmp/my file.txt", "https://example.org/页"}, {}, Env());
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(desktop.Received(), (std::vector<HandOverRecord>{{"my file.txt", "file:///tmp/my%20file.txt"},
                                                             {"https://example.org/页", "https://example.org/页"}}));
}

TEST_F(CliSend, NameOptionNamesEveryTarget) {
  FakeDesktop desktop(Socket(), std::string(kHandOverReplyBytes, '\0'));
  EXPECT_EQ(CliRaw({"send", "--name", "报告", "/a/b.txt"}, {}, Env()).exitCode, 0);
  EXPECT_EQ(desktop.Received(), (std::vector<HandOverRecord>{{"报告", "file:///a/b.txt"}}));
}

TEST_F(CliSend, FailsWithoutADesktopProgramOrAReply) {
  const auto none = CliRaw({"send", "/a/b.txt"}, {}, Env());
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_NE(none.err.find("没有运行"), std::string::npos);
  FakeDesktop silent(Socket(), "");
  EXPECT_EQ(CliRaw({"send", "/a/b.txt"}, {}, Env()).exitCode, 1);
  silent.Received();
  EXPECT_EQ(CliRaw({"send"}, {}, Env()).exitCode, 2);
}

TEST_F(CliSend, AnUnsafeChannelFolderIsNamedWithWhatIsWrong) {
  const std::string link = tmp_ / "runtime-link";
  ASSERT_EQ(::symlink(runtime_.c_str(), link.c_str()), 0);
  const auto viaLink = CliRaw({"send", "/a/b.txt"}, {}, {"XDG_RUNTIME_DIR=" + link});
  EXPECT_EQ(viaLink.exitCode, 1);
  EXPECT_NE(viaLink.err.find(link + "是符号链接"), std::string::npos) << viaLink.err;

  ASSERT_EQ(::chmod(runtime_.c_str(), 01777), 0);
  const auto open = CliRaw({"send", "/a/b.txt"}, {}, Env());
  EXPECT_EQ(open.exitCode, 1);
  EXPECT_NE(open.err.find(runtime_ + "对其他用户开放（权限 1777）"), std::string::npos) << open.err;
  EXPECT_EQ(open.err.find("没有运行"), std::string::npos) << open.err;

  if (::geteuid() != 0) return;  // only root can give the folder away
  ASSERT_EQ(::chmod(runtime_.c_str(), 0700), 0);
  ASSERT_EQ(::chown(runtime_.c_str(), 65534, 65534), 0);
  const auto foreign = CliRaw({"send", "/a/b.txt"}, {}, Env());
  EXPECT_EQ(foreign.exitCode, 1);
  EXPECT_NE(foreign.err.find(runtime_ + "属于另一个用户（uid 65534）"), std::string::npos) << foreign.err;
}

}  // namespace
}  // namespace ovelin::test

#include "shell/app/instance_server.h"

#include <QLocalSocket>

#include "shell/app/hand_over_connection.h"
#include "shell/app/runtime_folder.h"

namespace ovelin {
namespace {

constexpr int kConnectProbeMs = 500;

}  // namespace

InstanceServer::InstanceServer(QString socketPath, QObject* parent)
    : QObject(parent), socketPath_(socketPath.isEmpty() ? ChannelSocketPath() : std::move(socketPath)) {
  connect(&server_, &QLocalServer::newConnection, this, &InstanceServer::acceptConnections);
}

InstanceServer::~InstanceServer() { server_.close(); }

InstanceServer::Claim InstanceServer::ClaimInstance() {
  if (socketPath_.isEmpty()) return Claim::Failed;
  // The lock is held for the whole run; a lock left by a process that died is
  // recognised by its process id and taken over.
  lock_ = std::make_unique<QLockFile>(socketPath_ + QStringLiteral(".lock"));
  lock_->setStaleLockTime(0);
  if (!lock_->tryLock(0)) {
    const bool busy = lock_->error() == QLockFile::LockFailedError;
    lock_.reset();
    return busy ? Claim::OtherRunning : Claim::Failed;
  }
  // An instance that does not use the lock may still own the socket.
  if (AnotherInstanceAnswers()) {
    lock_.reset();
    return Claim::OtherRunning;
  }
  // Nobody answers: whatever is left at the path is a stale socket.
  QLocalServer::removeServer(socketPath_);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  return server_.listen(socketPath_) ? Claim::Owned : Claim::Failed;
}

bool InstanceServer::AnotherInstanceAnswers() const {
  QLocalSocket probe;
  probe.connectToServer(socketPath_);
  const bool answered = probe.waitForConnected(kConnectProbeMs);
  probe.abort();
  return answered;
}

void InstanceServer::acceptConnections() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    if (load_->Full()) {  // too many unfinished hand-overs: this one is dropped at once
      socket->abort();
      socket->deleteLater();
      continue;
    }
    auto* connection = new HandOverConnection(socket, load_, this);
    connect(connection, &HandOverConnection::messageRead, this, &InstanceServer::messageReceived);
  }
}

}  // namespace ovelin

#pragma once
// The single-instance channel: a per-user lock and a local socket. The first
// instance owns both; a later start finds them taken and ends. Outside programs
// hand files and addresses to the running instance through the socket.

#include <QByteArray>
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

#include "shell/app/hand_over_connection.h"

namespace ovelin {

class InstanceServer : public QObject {
  Q_OBJECT
 public:
  enum class Claim { Owned, OtherRunning, Failed };

  /// `socketPath` empty: the per-user default (ChannelSocketPath()).
  explicit InstanceServer(QString socketPath = {}, QObject* parent = nullptr);
  ~InstanceServer() override;

  /// Takes the lock beside the socket and listens. OtherRunning when another
  /// instance holds the lock or answers on the socket; Failed when no channel
  /// could be set up (the program may still run, without hand-over).
  Claim ClaimInstance();

  /// The socket path in use.
  const QString& SocketPath() const { return socketPath_; }
  /// The bytes that unfinished hand-overs hold (at most kMaxBufferedHandOverBytes).
  qint64 BufferedBytes() const { return load_->Bytes(); }

 signals:
  /// A hand-over message body arrived and was answered.
  void messageReceived(const QByteArray& body);

 private slots:
  void acceptConnections();

 private:
  bool AnotherInstanceAnswers() const;

  QString socketPath_;
  std::shared_ptr<HandOverLoad> load_ = std::make_shared<HandOverLoad>();
  std::unique_ptr<QLockFile> lock_;
  QLocalServer server_;
};

}  // namespace ovelin

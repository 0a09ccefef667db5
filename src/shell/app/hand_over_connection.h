#pragma once
// One client connection of the single-instance socket: reads one framed
// hand-over message, answers with 10 zero bytes and hands the body on.

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <memory>

#include "shell/app/pipe_message.h"

class QLocalSocket;

namespace ovelin {

/// How many clients may be in the middle of a hand-over at once, and how many
/// bytes all of them may hold together; a client beyond either is dropped. One
/// message of the largest size always fits.
inline constexpr int kMaxPendingHandOvers = 16;
inline constexpr qint64 kMaxBufferedHandOverBytes = 2 * kMaxPipeMessageBytes;

/// What the unfinished connections of one server hold together.
class HandOverLoad {
 public:
  bool Full() const { return clients_ >= kMaxPendingHandOvers; }
  void AddClient() { ++clients_; }
  void RemoveClient() { --clients_; }
  /// Counts `bytes` in; false, counting nothing, when the total would pass the cap.
  bool TakeBytes(qint64 bytes);
  void GiveBytes(qint64 bytes) { bytes_ -= bytes; }
  qint64 Bytes() const { return bytes_; }

 private:
  int clients_ = 0;
  qint64 bytes_ = 0;
};

class HandOverConnection : public QObject {
  Q_OBJECT
 public:
  /// Takes over `socket` (it becomes a child of this object); counts as one of
  /// `load`'s clients, with the bytes it holds, until it is destroyed.
  HandOverConnection(QLocalSocket* socket, std::shared_ptr<HandOverLoad> load, QObject* parent = nullptr);
  ~HandOverConnection() override;

 signals:
  /// A complete message body was read and answered.
  void messageRead(const QByteArray& body);

 private slots:
  void readAvailable();
  void finish();

 private:
  void Refuse();
  void ReleaseBuffer();

  QLocalSocket* socket_;
  std::shared_ptr<HandOverLoad> load_;
  QByteArray buffer_;
  qint64 held_ = 0;  // the bytes counted in load_
  qint64 expected_ = -1;
  QTimer deadline_;
  bool done_ = false;
};

}  // namespace ovelin

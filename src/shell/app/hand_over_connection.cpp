#include "shell/app/hand_over_connection.h"

#include <QLocalSocket>
#include <QtEndian>

#include "shell/app/pipe_message.h"

namespace ovelin {
namespace {

// A client that does not deliver its message within this time is dropped, so a
// stalled writer cannot keep a connection open for ever.
constexpr int kReadTimeoutMs = 10000;

}  // namespace

bool HandOverLoad::TakeBytes(qint64 bytes) {
  if (bytes > kMaxBufferedHandOverBytes - bytes_) return false;
  bytes_ += bytes;
  return true;
}

HandOverConnection::HandOverConnection(QLocalSocket* socket, std::shared_ptr<HandOverLoad> load, QObject* parent)
    : QObject(parent), socket_(socket), load_(std::move(load)) {
  load_->AddClient();
  socket_->setParent(this);
  connect(socket_, &QLocalSocket::readyRead, this, &HandOverConnection::readAvailable);
  connect(socket_, &QLocalSocket::disconnected, this, &HandOverConnection::finish);
  deadline_.setSingleShot(true);
  connect(&deadline_, &QTimer::timeout, this, &HandOverConnection::Refuse);
  deadline_.start(kReadTimeoutMs);
  // Bytes may already be waiting; read them once the owner has connected to us.
  QMetaObject::invokeMethod(this, &HandOverConnection::readAvailable, Qt::QueuedConnection);
}

HandOverConnection::~HandOverConnection() {
  ReleaseBuffer();
  load_->RemoveClient();
}

void HandOverConnection::readAvailable() {
  if (done_) return;
  const QByteArray arrived = socket_->readAll();
  // Many slow clients together must not take the program's memory.
  if (!load_->TakeBytes(arrived.size())) return Refuse();
  held_ += arrived.size();
  buffer_ += arrived;
  if (expected_ < 0) {
    if (buffer_.size() < 4) return;
    expected_ = qFromLittleEndian<quint32>(buffer_.constData());
    buffer_.remove(0, 4);
    if (expected_ > kMaxPipeMessageBytes) return Refuse();
  }
  if (buffer_.size() < expected_) return;

  done_ = true;
  deadline_.stop();
  const QByteArray body = buffer_.left(expected_);
  socket_->write(QByteArray(kPipeReplyBytes, '\0'));
  socket_->flush();
  socket_->disconnectFromServer();
  ReleaseBuffer();
  emit messageRead(body);
}

void HandOverConnection::ReleaseBuffer() {
  buffer_.clear();
  load_->GiveBytes(held_);
  held_ = 0;
}

void HandOverConnection::Refuse() {
  done_ = true;
  deadline_.stop();
  ReleaseBuffer();
  socket_->abort();
  deleteLater();
}

void HandOverConnection::finish() {
  deadline_.stop();
  deleteLater();
}

}  // namespace ovelin

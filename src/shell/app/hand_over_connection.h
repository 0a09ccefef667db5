#pragma once
// One client connection of the single-instance socket: reads one framed
// hand-over message, answers with 10 zero bytes and hands the body on.

#include <QByteArray>
#include <QObject>
#include <QTimer>

class QLocalSocket;

namespace ovelin {

class CHandOverConnection : public QObject {
  Q_OBJECT
 public:
  /// Takes over `socket` (it becomes a child of this object).
  explicit CHandOverConnection(QLocalSocket* socket, QObject* parent = nullptr);

 signals:
  /// A complete message body was read and answered.
  void messageRead(const QByteArray& body);

 private slots:
  void readAvailable();
  void finish();

 private:
  void refuse();

  QLocalSocket* socket_;
  QByteArray buffer_;
  qint64 expected_ = -1;
  QTimer deadline_;
  bool done_ = false;
};

}  // namespace ovelin

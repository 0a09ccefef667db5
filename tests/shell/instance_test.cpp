// The single-instance channel: refusing a second instance and answering
// hand-over messages.
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>

#include <chrono>
#include <memory>
#include <vector>

#include "shell/app/hand_over_connection.h"
#include "shell/app/instance_server.h"
#include "shell/app/pipe_message.h"
#include "shell/app/runtime_folder.h"
#include "shell_test_support.h"
#include "suite_registry.h"

namespace ovelin::test {
namespace {

const QList<PipeRecord> kRecords{{"a b.txt", "file:///tmp/a%20b.txt"}, {"网页", "https://example.org/页"}};

// The length prefix of a message of `length` bytes.
QByteArray LengthPrefix(quint32 length) {
  QByteArray header(4, '\0');
  for (int i = 0; i < 4; ++i) header[i] = char((length >> (8 * i)) & 0xFF);
  return header;
}

}  // namespace

class InstanceTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> runtime_;

 private slots:
  void init() {
    runtime_ = std::make_unique<TempDir>();
    qputenv("XDG_RUNTIME_DIR", runtime_->path().c_str());
  }
  void cleanup() { runtime_.reset(); }

  void socketLivesInTheRuntimeFolder() {
    QCOMPARE(ChannelSocketPath(), QString::fromStdString(runtime_->path()) + "/{4AD9CEA0-92FE-4d68-B938-E4437F209B1C}");
  }

  void secondInstanceEndsAtOnceAndTouchesNothing() {
    InstanceServer first;
    QCOMPARE(first.ClaimInstance(), InstanceServer::Claim::Owned);

    StoreFixture data;
    const std::string before = ReadTextFile(data.dataFile());
    QElapsedTimer clock;
    clock.start();
    const CommandResult second = RunCommand(
        {OVELIN_SHELL_PATH, "--data-dir", data.folder()}, {},
        {"XDG_RUNTIME_DIR=" + runtime_->path(), "QT_QPA_PLATFORM=offscreen", "OVELIN_MACHINE_ID=0a1b2c3d4e5f"});
    QCOMPARE(second.exitCode, 0);
    QVERIFY2(clock.elapsed() < 20000, "the second instance did not end at once");
    QCOMPARE(ReadTextFile(data.dataFile()), before);
    QVERIFY(!QFile::exists(QString::fromStdString(data.dataFile() + ".bak")));
    QVERIFY(!QFile::exists(QString::fromStdString(data.folder() + "/AllSets.db.lock")));
  }

  void secondClaimInTheSameProcessIsRefused() {
    InstanceServer first;
    QCOMPARE(first.ClaimInstance(), InstanceServer::Claim::Owned);
    InstanceServer second;
    QCOMPARE(second.ClaimInstance(), InstanceServer::Claim::OtherRunning);
  }

  void staleSocketFileIsReplaced() {
    const QString path = ChannelSocketPath();
    QFile stale(path);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    InstanceServer server;
    QCOMPARE(server.ClaimInstance(), InstanceServer::Claim::Owned);
  }

  void handOverIsAnsweredWithTenZeroBytes() {
    InstanceServer server;
    QCOMPARE(server.ClaimInstance(), InstanceServer::Claim::Owned);
    QSignalSpy spy(&server, &InstanceServer::messageReceived);

    QLocalSocket client;
    client.connectToServer(server.SocketPath());
    QVERIFY(client.waitForConnected(2000));
    const QByteArray message = FramePipeMessage(EncodePipeRecords(kRecords));
    // Written in two pieces: the reader must wait for the whole message.
    client.write(message.left(7));
    client.flush();
    QTest::qWait(50);
    QCOMPARE(spy.count(), 0);
    client.write(message.mid(7));
    client.flush();
    QTRY_COMPARE(spy.count(), 1);
    QTRY_VERIFY(client.bytesAvailable() >= 10);
    QCOMPARE(client.readAll(), QByteArray(10, '\0'));
    QTRY_COMPARE(client.state(), QLocalSocket::UnconnectedState);
    QCOMPARE(ParsePipeRecords(spy[0][0].toByteArray()), kRecords);
  }

  void oversizedMessageIsRefusedWithoutAnswer() {
    InstanceServer server;
    QCOMPARE(server.ClaimInstance(), InstanceServer::Claim::Owned);
    QSignalSpy spy(&server, &InstanceServer::messageReceived);
    QLocalSocket client;
    client.connectToServer(server.SocketPath());
    QVERIFY(client.waitForConnected(2000));
    client.write(LengthPrefix(16 * 1024 * 1024 + 2) + QByteArray(64, 'x'));
    client.flush();
    QTRY_COMPARE(client.state(), QLocalSocket::UnconnectedState);
    QCOMPARE(client.readAll(), QByteArray());
    QCOMPARE(spy.count(), 0);
  }

  void clientsBeyondTheLimitAreDropped() {
    InstanceServer server;
    QCOMPARE(server.ClaimInstance(), InstanceServer::Claim::Owned);
    QSignalSpy spy(&server, &InstanceServer::messageReceived);
    std::vector<std::unique_ptr<QLocalSocket>> waiting;
    for (int i = 0; i < kMaxPendingHandOvers; ++i) {
      waiting.push_back(std::make_unique<QLocalSocket>());
      waiting.back()->connectToServer(server.SocketPath());
      QVERIFY(waiting.back()->waitForConnected(2000));
    }
    QLocalSocket extra;
    extra.connectToServer(server.SocketPath());
    QTRY_COMPARE(extra.state(), QLocalSocket::UnconnectedState);
    for (const auto& client : waiting) QCOMPARE(client->state(), QLocalSocket::ConnectedState);

    // A finished hand-over makes room for the next client.
    const QByteArray message = FramePipeMessage(EncodePipeRecords(kRecords));
    waiting.front()->write(message);
    QTRY_COMPARE(waiting.front()->state(), QLocalSocket::UnconnectedState);
    QLocalSocket next;
    next.connectToServer(server.SocketPath());
    QVERIFY(next.waitForConnected(2000));
    next.write(message);
    QTRY_COMPARE(spy.count(), 2);
    for (const auto& client : waiting) client->abort();
  }

  void unfinishedClientsTogetherHoldNoMoreThanTheCap() {
    InstanceServer server;
    QCOMPARE(server.ClaimInstance(), InstanceServer::Claim::Owned);
    QSignalSpy spy(&server, &InstanceServer::messageReceived);
    const qint64 part = kMaxBufferedHandOverBytes * 3 / 8;  // three parts pass the cap, two do not
    const QByteArray start = LengthPrefix(quint32(kMaxPipeMessageBytes)) + QByteArray(part, 'x');
    QLocalSocket first, second, third;
    for (QLocalSocket* client : {&first, &second}) {
      client->connectToServer(server.SocketPath());
      QVERIFY(client->waitForConnected(2000));
      client->write(start);
      QTRY_COMPARE(client->bytesToWrite(), qint64(0));
    }
    QTRY_COMPARE(server.BufferedBytes(), 2 * start.size());
    third.connectToServer(server.SocketPath());
    QVERIFY(third.waitForConnected(2000));
    third.write(start);
    QTRY_COMPARE(third.state(), QLocalSocket::UnconnectedState);
    QCOMPARE(server.BufferedBytes(), 2 * start.size());
    QCOMPARE(first.state(), QLocalSocket::ConnectedState);

    // The clients within the cap still finish their messages, and free what they held.
    first.write(QByteArray(kMaxPipeMessageBytes - part, 'y'));
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy[0][0].toByteArray().size(), kMaxPipeMessageBytes);
    QTRY_COMPARE(server.BufferedBytes(), start.size());
    second.abort();
    QTRY_COMPARE(server.BufferedBytes(), qint64(0));
  }

  void recordsNeedExactlyTwoFields_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    const QString rs(QChar(0x1E)), fs(QChar(0x1F));  // record and field separators
    QTest::newRow("one") << "n" + fs + "file:///a" << 1;
    QTest::newRow("two") << "n" + fs + "file:///a" + rs + "m" + fs + "http://b" << 2;
    QTest::newRow("three fields") << "n" + fs + "a" + fs + "b" << 0;
    QTest::newRow("one field") << "file:///a" << 0;
    QTest::newRow("empty address") << "n" + fs << 0;
    QTest::newRow("empty name") << fs + "http://b" << 1;
    QTest::newRow("trailing separator") << "n" + fs + "a" + rs << 1;
    QTest::newRow("empty") << QString() << 0;
  }

  void recordsNeedExactlyTwoFields() {
    QFETCH(QString, text);
    QFETCH(int, count);
    QByteArray body;
    for (QChar c : text) body.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    QCOMPARE(ParsePipeRecords(body).size(), count);
    QCOMPARE(ParsePipeRecords(body + 'z').size(), count);  // an odd trailing byte is ignored
  }
};

OVELIN_SHELL_SUITE("Instance", InstanceTest)

}  // namespace ovelin::test

#include "instance_test.moc"

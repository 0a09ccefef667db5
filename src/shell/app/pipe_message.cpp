#include "shell/app/pipe_message.h"

#include <QtEndian>

namespace ovelin {

QList<PipeRecord> ParsePipeRecords(const QByteArray& utf16le) {
  const qsizetype units = utf16le.size() / 2;
  QString text(units, Qt::Uninitialized);
  for (qsizetype i = 0; i < units; ++i) {
    text[i] = QChar(qFromLittleEndian<quint16>(utf16le.constData() + 2 * i));
  }
  QList<PipeRecord> records;
  for (const QString& record : text.split(kRecordSeparator)) {
    const QStringList fields = record.split(kFieldSeparator);
    if (fields.size() != 2 || fields[1].isEmpty()) continue;
    records.append({fields[0], fields[1]});
  }
  return records;
}

QByteArray EncodePipeRecords(const QList<PipeRecord>& records) {
  QString text;
  for (const PipeRecord& record : records) {
    if (!text.isEmpty()) text += kRecordSeparator;
    text += record.name + kFieldSeparator + record.address;
  }
  QByteArray body(text.size() * 2, Qt::Uninitialized);
  for (qsizetype i = 0; i < text.size(); ++i) qToLittleEndian<quint16>(text[i].unicode(), body.data() + 2 * i);
  return body;
}

QByteArray FramePipeMessage(const QByteArray& body) {
  QByteArray framed(4, Qt::Uninitialized);
  qToLittleEndian<quint32>(static_cast<quint32>(body.size()), framed.data());
  return framed + body;
}

}  // namespace ovelin

#pragma once
// The hand-over message: files and addresses that an outside program passes to
// the running desktop program. On the wire: a 4-byte little-endian length, then
// that many bytes of UTF-16LE text; records are joined by U+001E, and a record
// is a name, U+001F and an address. The reply is 10 zero bytes.

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>

#include "base/hand_over.h"

namespace ovelin {

/// One handed-over entry.
struct PipeRecord {
  QString name;
  QString address;
  bool operator==(const PipeRecord&) const = default;
};

inline constexpr qint64 kMaxPipeMessageBytes = static_cast<qint64>(kMaxHandOverBytes);
inline constexpr int kPipeReplyBytes = static_cast<int>(kHandOverReplyBytes);

/// The records of a message body; records without exactly two fields or with an
/// empty address are skipped. An odd trailing byte is ignored.
QList<PipeRecord> ParsePipeRecords(const QByteArray& utf16le);

/// The message body (UTF-16LE, no length prefix) for these records.
QByteArray EncodePipeRecords(const QList<PipeRecord>& records);

/// The length prefix followed by the body.
QByteArray FramePipeMessage(const QByteArray& body);

}  // namespace ovelin

Q_DECLARE_METATYPE(ovelin::PipeRecord)

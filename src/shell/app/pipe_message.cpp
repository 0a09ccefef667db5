#include "shell/app/pipe_message.h"

#include <string>
#include <vector>

#include "base/hand_over.h"

namespace ovelin {
namespace {

QByteArray ToBytes(const std::string& bytes) { return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())); }

}  // namespace

QList<PipeRecord> ParsePipeRecords(const QByteArray& utf16le) {
  QList<PipeRecord> records;
  for (const HandOverRecord& record : ParseHandOverRecords(std::string_view(utf16le.constData(), utf16le.size()))) {
    records.append({QString::fromStdString(record.name), QString::fromStdString(record.address)});
  }
  return records;
}

QByteArray EncodePipeRecords(const QList<PipeRecord>& records) {
  std::vector<HandOverRecord> core;
  for (const PipeRecord& record : records) core.push_back({record.name.toStdString(), record.address.toStdString()});
  return ToBytes(EncodeHandOverRecords(core));
}

QByteArray FramePipeMessage(const QByteArray& body) {
  return ToBytes(FrameHandOverMessage(std::string_view(body.constData(), body.size())));
}

}  // namespace ovelin

#include "query/content/marked_text.h"

#include "base/unicode_text.h"

namespace ovelin {

ByteOrderMark DetectByteOrderMark(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return {TextEncoding::Utf16LittleEndian, 2};
  if (bytes.starts_with("\xFE\xFF")) return {TextEncoding::Utf16BigEndian, 2};
  if (bytes.starts_with("\xEF\xBB\xBF")) return {TextEncoding::Utf8, 3};
  return {};
}

std::string DecodeMarkedText(std::string_view bytes) {
  const ByteOrderMark mark = DetectByteOrderMark(bytes);
  const std::string_view body = bytes.substr(mark.length);
  switch (mark.encoding) {
    case TextEncoding::Utf16LittleEndian:
      return Utf16ToUtf8(body, false);
    case TextEncoding::Utf16BigEndian:
      return Utf16ToUtf8(body, true);
    case TextEncoding::Utf8:
      break;
  }
  return std::string(body);
}

}  // namespace ovelin

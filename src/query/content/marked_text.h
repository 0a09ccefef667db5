#pragma once
// Decoding of text files by their byte-order mark.

#include <string>
#include <string_view>

namespace ovelin {

/// The encoding a byte-order mark names, with the mark's length in bytes.
enum class TextEncoding { Utf8, Utf16LittleEndian, Utf16BigEndian };
struct ByteOrderMark {
  TextEncoding encoding = TextEncoding::Utf8;
  size_t length = 0;  // 0 when the bytes carry no mark
};

/// The mark at the start of the bytes: FF FE (UTF-16LE), FE FF (UTF-16BE) or EF BB BF (UTF-8).
ByteOrderMark DetectByteOrderMark(std::string_view bytes);

/// The bytes as UTF-8, decoded by their mark (which is dropped); unmarked bytes are
/// UTF-8 already and are returned unchanged (invalid sequences included).
std::string DecodeMarkedText(std::string_view bytes);

}  // namespace ovelin

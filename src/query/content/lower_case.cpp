#include "query/content/lower_case.h"

#include <utf8proc.h>

#include "store/unicode_text.h"

namespace ovelin {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// U+3000..U+9FFF (CJK symbols, kana, Hangul compatibility letters, ideographs)
// have no case: their three UTF-8 bytes, leads 0xE3 to 0xE9, are copied as they
// are. Most non-ASCII text that users search is in this range.
bool IsCaselessCjk(const unsigned char* bytes, size_t left) {
  return left >= 3 && bytes[0] >= 0xE3 && bytes[0] <= 0xE9 && IsContinuation(bytes[1]) && IsContinuation(bytes[2]);
}

}  // namespace

std::string LowerCase(std::string_view utf8) {
  std::string lower;
  lower.reserve(utf8.size());
  const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(utf8.data());
  size_t at = 0;
  while (at < utf8.size()) {
    const unsigned char first = bytes[at];
    if (first < 0x80) {  // ASCII needs no table lookup
      lower.push_back(static_cast<char>(first >= 'A' && first <= 'Z' ? first + ('a' - 'A') : first));
      ++at;
      continue;
    }
    if (IsCaselessCjk(bytes + at, utf8.size() - at)) {
      lower.append(utf8.data() + at, 3);
      at += 3;
      continue;
    }
    utf8proc_int32_t codePoint = 0;
    const utf8proc_ssize_t length =
        utf8proc_iterate(bytes + at, static_cast<utf8proc_ssize_t>(utf8.size() - at), &codePoint);
    if (length <= 0) {
      AppendCodePoint(lower, kReplacementCharacter);
      ++at;
      continue;
    }
    AppendCodePoint(lower, static_cast<char32_t>(utf8proc_tolower(codePoint)));
    at += static_cast<size_t>(length);
  }
  return lower;
}

}  // namespace ovelin

#include "query/content/lower_case.h"

#include <utf8proc.h>

#include "base/unicode_text.h"

namespace ovelin {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// U+3000..U+9FFF (CJK symbols, kana, Hangul compatibility letters, ideographs)
// have no case: their three UTF-8 bytes, leads 0xE3 to 0xE9, are copied as they
// are. Most non-ASCII text that users search is in this range.
bool IsCaselessCjk(const unsigned char* bytes, size_t left) {
  return left >= 3 && bytes[0] >= 0xE3 && bytes[0] <= 0xE9 && IsContinuation(bytes[1]) && IsContinuation(bytes[2]);
}

// Appends the run of ASCII bytes that starts at `at`, lower-cased; returns its end.
size_t AppendAsciiRun(std::string& lower, const unsigned char* bytes, size_t at, size_t size) {
  size_t end = at;
  while (end < size && bytes[end] < 0x80) ++end;
  const size_t start = lower.size();
  lower.append(reinterpret_cast<const char*>(bytes + at), end - at);
  for (size_t i = start; i < lower.size(); ++i) {
    if (lower[i] >= 'A' && lower[i] <= 'Z') lower[i] = static_cast<char>(lower[i] + ('a' - 'A'));
  }
  return end;
}

}  // namespace

std::string LowerCase(std::string_view utf8) {
  std::string lower;
  lower.reserve(utf8.size());
  const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(utf8.data());
  const size_t size = utf8.size();
  size_t at = 0;
  while (at < size) {
    if (bytes[at] < 0x80) {
      at = AppendAsciiRun(lower, bytes, at, size);
      continue;
    }
    if (IsCaselessCjk(bytes + at, size - at)) {
      lower.append(utf8.data() + at, 3);
      at += 3;
      continue;
    }
    utf8proc_int32_t codePoint = 0;
    const utf8proc_ssize_t length = utf8proc_iterate(bytes + at, static_cast<utf8proc_ssize_t>(size - at), &codePoint);
    if (length <= 0) {
      AppendCodePoint(lower, kReplacementCharacter);
      ++at;
      continue;
    }
    const utf8proc_int32_t lowered = utf8proc_tolower(codePoint);
    if (lowered == codePoint) {
      lower.append(utf8.data() + at, static_cast<size_t>(length));  // already lower-case: the same bytes
    } else {
      AppendCodePoint(lower, static_cast<char32_t>(lowered));
    }
    at += static_cast<size_t>(length);
  }
  return lower;
}

}  // namespace ovelin

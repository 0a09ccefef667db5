#include "base/unicode_text.h"

namespace ovelin {

namespace {

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

char32_t UnitAt(std::string_view bytes, size_t index, bool bigEndian) {
  const auto first = static_cast<unsigned char>(bytes[2 * index]);
  const auto second = static_cast<unsigned char>(bytes[2 * index + 1]);
  return bigEndian ? (char32_t{first} << 8 | second) : (char32_t{second} << 8 | first);
}

}  // namespace

void AppendCodePoint(std::string& utf8, char32_t codePoint) {
  if ((codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF) codePoint = kReplacementCharacter;
  if (codePoint < 0x80) {
    utf8.push_back(static_cast<char>(codePoint));
  } else if (codePoint < 0x800) {
    utf8.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
    utf8.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else if (codePoint < 0x10000) {
    utf8.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
    utf8.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    utf8.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else {
    utf8.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
    utf8.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
    utf8.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    utf8.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  }
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  const size_t units = bytes.size() / 2;
  std::string utf8;
  utf8.reserve(units + units / 2);
  for (size_t i = 0; i < units; ++i) {
    const char32_t unit = UnitAt(bytes, i, bigEndian);
    if (IsHighSurrogate(unit) && i + 1 < units && IsLowSurrogate(UnitAt(bytes, i + 1, bigEndian))) {
      const char32_t low = UnitAt(bytes, ++i, bigEndian);
      AppendCodePoint(utf8, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
      continue;
    }
    AppendCodePoint(utf8, unit);  // a lone surrogate turns into U+FFFD here
  }
  return utf8;
}

namespace {

void AppendUnit(std::string& bytes, char32_t unit) {
  bytes.push_back(static_cast<char>(unit & 0xFF));
  bytes.push_back(static_cast<char>(unit >> 8));
}

// The code point that starts at `i`, advancing `i` past it; U+FFFD (one byte
// consumed) for a byte that does not start a valid, shortest-form sequence.
char32_t NextCodePoint(std::string_view utf8, size_t& i) {
  const auto lead = static_cast<unsigned char>(utf8[i]);
  const int length = lead < 0x80                    ? 1
                     : lead >= 0xC2 && lead <= 0xDF ? 2
                     : lead >= 0xE0 && lead <= 0xEF ? 3
                     : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                    : 0;
  if (length == 0 || i + length > utf8.size()) {
    ++i;
    return kReplacementCharacter;
  }
  char32_t codePoint = length == 1 ? lead : lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(utf8[i + k]);
    if ((next & 0xC0) != 0x80) {
      ++i;
      return kReplacementCharacter;
    }
    codePoint = codePoint << 6 | (next & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (codePoint < kSmallest[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    ++i;
    return kReplacementCharacter;
  }
  i += static_cast<size_t>(length);
  return codePoint;
}

}  // namespace

std::string Utf8ToUtf16Le(std::string_view utf8) {
  std::string bytes;
  bytes.reserve(utf8.size() * 2);
  for (size_t i = 0; i < utf8.size();) {
    const char32_t codePoint = NextCodePoint(utf8, i);
    if (codePoint < 0x10000) {
      AppendUnit(bytes, codePoint);
      continue;
    }
    AppendUnit(bytes, 0xD800 + ((codePoint - 0x10000) >> 10));
    AppendUnit(bytes, 0xDC00 + ((codePoint - 0x10000) & 0x3FF));
  }
  return bytes;
}

}  // namespace ovelin

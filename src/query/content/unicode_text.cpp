#include "query/content/unicode_text.h"

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

}  // namespace ovelin

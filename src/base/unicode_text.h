#pragma once
// Small UTF-8 and UTF-16 conversions.

#include <string>
#include <string_view>

namespace ovelin {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

/// Appends the UTF-8 form of a code point; surrogates and values above U+10FFFF
/// are appended as U+FFFD.
void AppendCodePoint(std::string& utf8, char32_t codePoint);

/// UTF-16 bytes (little- or big-endian) as UTF-8. Unpaired surrogates become
/// U+FFFD; a trailing odd byte is dropped.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);

/// UTF-8 text as UTF-16LE bytes. Invalid bytes become U+FFFD.
std::string Utf8ToUtf16Le(std::string_view utf8);

}  // namespace ovelin

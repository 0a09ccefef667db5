#pragma once
// Orders of texts used throughout the system. Strings are UTF-8.

#include <string_view>

namespace ovelin {

/// Three-way comparison in UTF-16 code-unit order (item paths, result lists).
/// Differs from UTF-8 byte order only for characters above U+FFFF against U+E000..U+FFFF.
int CompareUtf16(std::string_view a, std::string_view b);

/// True when `a` sorts before `b` in UTF-16 code-unit order.
inline bool Utf16Less(std::string_view a, std::string_view b) { return CompareUtf16(a, b) < 0; }

/// The name order of set names: unsigned byte order of the UTF-8 texts.
inline bool NameLess(std::string_view a, std::string_view b) { return a < b; }

}  // namespace ovelin

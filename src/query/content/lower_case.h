#pragma once
// Lower-casing of UTF-8 text for case-insensitive substring matching.

#include <string>
#include <string_view>

namespace ovelin {

/// The text with every code point lower-cased by its simple Unicode mapping
/// (one code point to one, so "ß" stays). Bytes that are not valid UTF-8 become
/// U+FFFD, one per byte, so that any input yields valid UTF-8.
std::string LowerCase(std::string_view utf8);

}  // namespace ovelin

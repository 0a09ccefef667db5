#pragma once
// Transcoding of text in a named character set to UTF-8 (iconv).

#include <optional>
#include <string>
#include <string_view>

namespace ovelin {

/// The converter name for a charset label as web pages write it, upper-cased and
/// trimmed; labels that browsers read as a wider set are widened ("gb2312" ->
/// "GBK", "iso-8859-1" -> "WINDOWS-1252").
std::string NormalizeCharsetLabel(std::string_view label);

/// The bytes converted from `charset` to UTF-8. Sequences that are invalid in the
/// source set become U+FFFD. Nothing when the charset is unknown to the converter.
std::optional<std::string> ConvertToUtf8(std::string_view bytes, const std::string& charset);

}  // namespace ovelin

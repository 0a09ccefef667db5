#pragma once
// Finding the character set of an HTML page and turning the page into UTF-8.

#include <string>
#include <string_view>

namespace ovelin {

/// The charset label a page declares in its first 64 KiB, by `<meta charset=...>`
/// or `<meta http-equiv="Content-Type" content="...; charset=...">`; empty when
/// it declares none.
std::string DeclaredHtmlCharset(std::string_view page);

/// The page as UTF-8: decoded by its byte-order mark when it has one, else from
/// its declared charset (a declared UTF-16 is read as UTF-8, as the declaration
/// itself was readable as ASCII), else from `fallbackCharset` (when not empty, e.g.
/// from a MIME header), else taken as UTF-8. An unknown charset falls back to UTF-8.
std::string HtmlToUtf8(std::string_view page, std::string_view fallbackCharset = {});

}  // namespace ovelin

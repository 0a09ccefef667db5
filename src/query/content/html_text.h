#pragma once
// The text of an HTML page, as a browser's document would give it.

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ovelin {

/// What parsing one page may cost before it is given up.
struct HtmlParseLimits {
  size_t maxMemoryBytes = size_t{512} << 20;
  std::chrono::milliseconds maxTime{15000};
};

/// The text content of the page's document: every text node in document order,
/// entities decoded, without the text of <script> and <style> elements. The text of
/// any element is a contiguous piece of it. `utf8Page` must be UTF-8 (see
/// HtmlToUtf8); invalid sequences are read as U+FFFD. Nothing when parsing would
/// exceed the limits (deeply nested or explosive markup).
std::optional<std::string> HtmlDocumentText(std::string_view utf8Page, const HtmlParseLimits& limits);

}  // namespace ovelin

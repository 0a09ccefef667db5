#include "query/page_prefilter.h"

#include <algorithm>

#include "query/content/bounded_file.h"
#include "query/content/content_matcher.h"
#include "query/content/html_charset.h"
#include "query/content/lower_case.h"

namespace ovelin {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
constexpr std::string_view kRunEnds = "<]";

// Characters that the parser itself may put into the text: CR LF pairs become LF,
// NUL becomes U+FFFD.
bool ParserMayMake(std::string_view keyword) {
  return keyword.find_first_of("\r\n") != std::string_view::npos ||
         keyword.find(kReplacementCharacter) != std::string_view::npos;
}

// Text that does not stand in the page as it is: character references, NULs
// (dropped or replaced) and the prompt of an <isindex> element.
bool PageMayMakeText(std::string_view page) {
  return page.find('&') != std::string_view::npos || page.find('\0') != std::string_view::npos ||
         page.find("<isindex") != std::string_view::npos;
}

// True when a non-empty proper beginning of the keyword ends at `end` in the page.
bool BeginningEndsAt(std::string_view page, size_t end, std::string_view keyword) {
  for (size_t n = std::min(end, keyword.size() - 1); n > 0; --n) {
    if (page.substr(end - n, n) == keyword.substr(0, n)) return true;
  }
  return false;
}

bool IsHtmlPage(const std::string& path) {
  const std::string extension = ContentExtension(path);
  return extension == "html" || extension == "htm";
}

}  // namespace

bool PageTextMayContain(std::string_view page, std::string_view keyword) {
  if (keyword.empty() || ParserMayMake(keyword) || PageMayMakeText(page)) return true;
  if (page.find(keyword) != std::string_view::npos) return true;
  if (BeginningEndsAt(page, page.size(), keyword)) return true;
  for (size_t at = page.find_first_of(kRunEnds); at != std::string_view::npos;
       at = page.find_first_of(kRunEnds, at + 1)) {
    if (BeginningEndsAt(page, at, keyword)) return true;
  }
  return false;
}

bool ContentPrefilter::MayContain(std::string_view keyword) {
  if (!read_ && IsHtmlPage(path_)) {
    if (auto bytes = ReadRegularFile(path_, maxBytes_)) lowerPage_ = LowerCase(HtmlToUtf8(*bytes));
  }
  read_ = true;
  return !lowerPage_ || PageTextMayContain(*lowerPage_, keyword);
}

}  // namespace ovelin

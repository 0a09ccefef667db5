#pragma once
// A cheap test that rules out most HTML pages before they are parsed: parsing is
// by far the costliest step of a content search, and most pages do not hold the
// keyword at all.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace ovelin {

/// False only when the document text of the page cannot contain the keyword.
/// `lowerPage` is the page as UTF-8, lower-cased; `lowerKeyword` is lower-cased.
/// Every character of the document text comes from the page's own character data,
/// a character reference ("&..."), a replaced NUL, or gumbo's prompt for an
/// <isindex> element; a keyword that spans several text runs starts with a piece
/// that ends right where markup ("<"), a CDATA end ("]") or the page ends. So
/// the answer is false when the page has no "&", NUL or "<isindex", does not hold
/// the keyword, and holds no proper beginning of it right before "<", "]" or its
/// end. Keywords with CR, LF or U+FFFD (which the parser may make) are always true.
bool PageTextMayContain(std::string_view lowerPage, std::string_view lowerKeyword);

/// The content pre-test of one local file for several keywords: an HTML page is
/// read (the same leading bytes the content matcher reads) and lower-cased once,
/// when first asked; every other kind of file may always contain a keyword.
class ContentPrefilter {
 public:
  ContentPrefilter(std::string localPath, size_t maxBytes) : path_(std::move(localPath)), maxBytes_(maxBytes) {}

  /// False only when the file certainly does not contain the lower-cased keyword.
  bool MayContain(std::string_view lowerKeyword);

 private:
  std::string path_;
  size_t maxBytes_;
  bool read_ = false;
  std::optional<std::string> lowerPage_;  // only for a readable HTML page
};

}  // namespace ovelin

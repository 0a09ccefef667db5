#include "query/content/html_charset.h"

#include <optional>

#include "query/content/charset_conversion.h"
#include "query/content/marked_text.h"

namespace ovelin {

namespace {

constexpr size_t kDeclarationScanBytes = 64 * 1024;

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string AsciiLowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = AsciiLower(c);
  return lower;
}

bool IsLabelCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == ':';
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// The label after "charset" [spaces] "=" [spaces] [quote] inside one lower-cased tag.
// Covers both the charset attribute and the charset parameter of a content attribute.
std::string CharsetInTag(std::string_view tag) {
  for (size_t at = tag.find("charset"); at != std::string_view::npos; at = tag.find("charset", at + 1)) {
    size_t i = at + 7;
    while (i < tag.size() && IsSpace(tag[i])) ++i;
    if (i >= tag.size() || tag[i] != '=') continue;
    ++i;
    while (i < tag.size() && (IsSpace(tag[i]) || tag[i] == '"' || tag[i] == '\'')) ++i;
    const size_t start = i;
    while (i < tag.size() && IsLabelCharacter(tag[i])) ++i;
    if (i > start) return std::string(tag.substr(start, i - start));
  }
  return {};
}

std::string DecodeWith(std::string_view page, const std::string& charset) {
  if (charset.empty() || charset == "UTF-8" || charset == "UTF8") return std::string(page);
  std::optional<std::string> utf8 = ConvertToUtf8(page, charset);
  return utf8 ? std::move(*utf8) : std::string(page);
}

}  // namespace

std::string DeclaredHtmlCharset(std::string_view page) {
  const std::string head = AsciiLowerCase(page.substr(0, kDeclarationScanBytes));
  for (size_t at = head.find("<meta"); at != std::string::npos; at = head.find("<meta", at + 5)) {
    const size_t end = head.find('>', at);
    const std::string_view tag = std::string_view(head).substr(at, end == std::string::npos ? end : end - at);
    std::string label = CharsetInTag(tag);
    if (!label.empty()) return label;
  }
  return {};
}

std::string HtmlToUtf8(std::string_view page, std::string_view fallbackCharset) {
  if (DetectByteOrderMark(page).length > 0) return DecodeMarkedText(page);
  std::string charset = NormalizeCharsetLabel(DeclaredHtmlCharset(page));
  // A page that could declare its charset in ASCII is not in UTF-16, whatever it says.
  if (charset.starts_with("UTF-16") || charset == "UNICODE") charset = "UTF-8";
  if (charset.empty()) charset = NormalizeCharsetLabel(fallbackCharset);
  return DecodeWith(page, charset);
}

}  // namespace ovelin

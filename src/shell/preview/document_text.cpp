#include "shell/preview/document_text.h"

#include <cstdlib>
#include <optional>
#include <string_view>

#include "query/content/bounded_file.h"
#include "query/content/content_options.h"
#include "query/content/html_charset.h"
#include "query/content/html_text.h"
#include "query/content/mht_page.h"
#include "query/content/office_text.h"

namespace ovelin {

namespace {

std::string CatpptProgram() {
  const char* program = std::getenv("OVELIN_CATPPT");
  return program && *program ? program : "catppt";
}

// Slides one after the other, separated by an empty line.
std::optional<std::string> PresentationText(const std::string& path, const ContentOptions& options) {
  if (!HasOle2Signature(path)) return std::nullopt;
  return RunConverter({CatpptProgram(), "-d", "utf-8", "-b", "\n\n", path}, options.converter);
}

// A page's text keeps the white space of its source; runs of it are shown as one
// space, or as one line break when they hold one.
std::string TidyPageText(std::string_view text) {
  std::string tidy;
  bool inSpace = false;
  bool spaceHasBreak = false;
  for (const char c : text) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f') {
      inSpace = !tidy.empty();
      spaceHasBreak = spaceHasBreak || c == '\n';
      continue;
    }
    if (inSpace) tidy.push_back(spaceHasBreak ? '\n' : ' ');
    inSpace = spaceHasBreak = false;
    tidy.push_back(c);
  }
  return tidy;
}

std::optional<std::string> MhtText(const std::string& path, const ContentOptions& options) {
  const std::optional<std::string> bytes = ReadRegularFile(path, options.maxFileBytes);
  if (!bytes) return std::nullopt;
  const MhtPage page = MhtPageHtml(*bytes);
  const std::optional<std::string> text = HtmlDocumentText(HtmlToUtf8(page.html, page.charset), options.html);
  if (!text) return std::nullopt;
  return TidyPageText(*text);
}

}  // namespace

std::string PreviewDocumentText(const std::string& localPath, const std::string& extension) {
  const ContentOptions options = ContentOptions::FromEnvironment();
  std::optional<std::string> text;
  if (extension == "doc")
    text = WordDocumentText(localPath, options.catdoc, options.converter);
  else if (extension == "xls")
    text = SpreadsheetText(localPath, options.xls2csv, options.converter);
  else if (extension == "ppt")
    text = PresentationText(localPath, options);
  else if (extension == "mht")
    text = MhtText(localPath, options);
  return text ? std::move(*text) : std::string();
}

}  // namespace ovelin

#pragma once
// Does a file or folder contain a keyword? The content test of the keyword search.

#include <stop_token>
#include <string>
#include <string_view>

#include "query/content/content_options.h"
#include "query/content/text_cache.h"

namespace ovelin {

/// The extension that chooses a path's reader: the part of its file name (after
/// the last "/") after the last dot, lower-cased; empty when the name has no dot
/// or ends with one, which makes the path a folder.
std::string ContentExtension(std::string_view path);

/// Answers keyword questions about local files for one search run. By extension:
/// "txt" and "xml" are decoded by their byte-order mark (UTF-8 when unmarked),
/// "html" and "htm" are parsed as HTML pages, "mht" pages are taken out of their
/// MIME envelope first, "doc" and "xls" are converted by catdoc/xls2csv in child
/// processes, a path without extension is walked as a folder, and every other
/// extension never matches. Matching is a substring test on lower-cased text.
///
/// The text of each file is extracted once per matcher and kept (within a memory
/// budget) for the following keywords, so create one matcher per search run and
/// ask it every keyword of every item. Not thread-safe.
class ContentMatcher {
 public:
  /// A matcher with ContentOptions::FromEnvironment().
  ContentMatcher();
  /// A matcher with the given limits; a stop request makes every later and every
  /// running question answer false promptly (a running converter is killed).
  explicit ContentMatcher(ContentOptions options, std::stop_token stop = {});

  /// True when the content at `localPath` contains `lowerKeyword`, which must be
  /// lower-cased already (LowerCase). A folder matches when the lower-cased name of
  /// an entry below it contains the keyword or an entry's content does; the walk
  /// descends at most ContentOptions::maxFolderDepth levels, enters no folder
  /// twice and follows no symbolic link to a folder below `localPath` (its name
  /// still counts). Whatever cannot be read (missing, no
  /// permission, malformed, converter failure, crash or time-out) gives false.
  bool Matches(std::string_view lowerKeyword, const std::string& localPath);

 private:
  struct FolderWalk;

  bool MatchPath(std::string_view keyword, const std::string& path, int depth, FolderWalk& walk);
  bool MatchFolder(std::string_view keyword, const std::string& path, int depth, FolderWalk& walk);
  bool MatchFile(std::string_view keyword, const std::string& path, const std::string& extension);

  ContentOptions options_;
  std::stop_token stop_;
  TextCache cache_;
};

}  // namespace ovelin

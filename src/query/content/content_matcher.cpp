#include "query/content/content_matcher.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "query/content/bounded_file.h"
#include "query/content/html_charset.h"
#include "query/content/lower_case.h"
#include "query/content/marked_text.h"
#include "query/content/mht_page.h"
#include "query/content/office_text.h"

namespace ovelin {

namespace {

enum class Reader { None, Text, Html, Mht, Word, Spreadsheet };

Reader ReaderFor(std::string_view extension) {
  if (extension == "txt" || extension == "xml") return Reader::Text;
  if (extension == "html" || extension == "htm") return Reader::Html;
  if (extension == "mht") return Reader::Mht;
  if (extension == "doc") return Reader::Word;
  if (extension == "xls") return Reader::Spreadsheet;
  return Reader::None;
}

bool Contains(const std::optional<std::string>& text, std::string_view keyword) {
  return text && text->find(keyword) != std::string::npos;
}

// Closes a directory stream on scope exit.
struct DirectoryCloser {
  void operator()(DIR* directory) const { ::closedir(directory); }
};

// Opens a folder of the walk. Only the folder asked about may be reached through
// a symbolic link: a link met inside the walk is not followed (as grep -r does),
// since a link to "/" would walk the whole file system.
std::unique_ptr<DIR, DirectoryCloser> OpenFolder(const std::string& path, bool followLink) {
  const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW);
  const int fd = ::open(path.c_str(), flags);
  if (fd < 0) return nullptr;
  std::unique_ptr<DIR, DirectoryCloser> directory(::fdopendir(fd));
  if (!directory) ::close(fd);
  return directory;
}

std::string ChildPath(const std::string& folder, const std::string& name) {
  return folder.ends_with('/') ? folder + name : folder + "/" + name;
}

// The text of a page file (HTML or MHT) or a text file, as UTF-8.
std::optional<std::string> ReadTextOf(const std::string& path, Reader reader, const ContentOptions& options) {
  const std::optional<std::string> bytes = ReadRegularFile(path, options.maxFileBytes);
  if (!bytes) return std::nullopt;
  switch (reader) {
    case Reader::Text:
      return DecodeMarkedText(*bytes);
    case Reader::Html:
      return HtmlDocumentText(HtmlToUtf8(*bytes), options.html);
    case Reader::Mht: {
      const MhtPage page = MhtPageHtml(*bytes);
      return HtmlDocumentText(HtmlToUtf8(page.html, page.charset), options.html);
    }
    default:
      return std::nullopt;
  }
}

// The lower-cased text of a file by its reader; nothing when it cannot be read.
std::optional<std::string> ExtractText(const std::string& path, Reader reader, const ContentOptions& options,
                                       const std::stop_token& stop) {
  std::optional<std::string> text;
  if (reader == Reader::Word) {
    text = WordDocumentText(path, options.catdoc, options.converter, stop);
  } else if (reader == Reader::Spreadsheet) {
    text = SpreadsheetText(path, options.xls2csv, options.converter, stop);
  } else {
    text = ReadTextOf(path, reader, options);
  }
  if (!text) return std::nullopt;
  return LowerCase(*text);
}

}  // namespace

// The folders one walk has entered, by device and inode.
struct ContentMatcher::FolderWalk {
  std::set<std::pair<dev_t, ino_t>> visited;
};

std::string ContentExtension(std::string_view path) {
  const size_t slash = path.rfind('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return {};
  return LowerCase(name.substr(dot + 1));
}

ContentMatcher::ContentMatcher() : ContentMatcher(ContentOptions::FromEnvironment()) {}

ContentMatcher::ContentMatcher(ContentOptions options, std::stop_token stop)
    : options_(std::move(options)), stop_(std::move(stop)), cache_(options_.cacheBytes) {}

bool ContentMatcher::Matches(std::string_view lowerKeyword, const std::string& localPath) {
  FolderWalk walk;
  return MatchPath(lowerKeyword, localPath, 0, walk);
}

bool ContentMatcher::MatchPath(std::string_view keyword, const std::string& path, int depth, FolderWalk& walk) {
  if (stop_.stop_requested()) return false;
  const std::string extension = ContentExtension(path);
  if (extension.empty()) return MatchFolder(keyword, path, depth, walk);
  return MatchFile(keyword, path, extension);
}

bool ContentMatcher::MatchFolder(std::string_view keyword, const std::string& path, int depth, FolderWalk& walk) {
  if (depth > options_.maxFolderDepth) return false;
  std::vector<std::string> names;
  {
    const std::unique_ptr<DIR, DirectoryCloser> directory = OpenFolder(path, depth == 0);
    if (!directory) return false;
    struct stat info {};
    if (::fstat(::dirfd(directory.get()), &info) != 0) return false;
    if (!walk.visited.emplace(info.st_dev, info.st_ino).second) return false;  // a link loop
    while (const dirent* entry = ::readdir(directory.get())) {
      const std::string_view name = entry->d_name;
      if (name != "." && name != "..") names.emplace_back(name);
    }
  }  // closed before descending: the depth must not cost open descriptors
  for (const std::string& name : names) {
    if (stop_.stop_requested()) return false;
    if (LowerCase(name).find(keyword) != std::string::npos) return true;
    if (MatchPath(keyword, ChildPath(path, name), depth + 1, walk)) return true;
  }
  return false;
}

bool ContentMatcher::MatchFile(std::string_view keyword, const std::string& path, const std::string& extension) {
  const Reader reader = ReaderFor(extension);
  if (reader == Reader::None) return false;
  if (const std::optional<std::string>* cached = cache_.Find(path)) return Contains(*cached, keyword);
  std::optional<std::string> text = ExtractText(path, reader, options_, stop_);
  const bool found = Contains(text, keyword);
  if (!stop_.stop_requested()) cache_.Insert(path, std::move(text));  // a cancelled read proves nothing
  return found;
}

}  // namespace ovelin

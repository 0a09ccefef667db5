#include "shell/folders/folder_listing.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "base/text_order.h"
#include "filing/item_gathering.h"
#include "shell/app/qt_text.h"

namespace ovelin {
namespace {

QStringList SortedByName(std::vector<std::string> names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return NameLess(a, b); });
  return ToQList(names);
}

}  // namespace

FolderListing ListFolder(const QString& folder) {
  std::vector<std::string> folders;
  std::vector<std::string> files;
  const std::string base = ToStd(folder);
  std::error_code error;
  for (std::filesystem::directory_iterator it(base, error), end; !error && it != end; it.increment(error)) {
    std::string name = it->path().filename().string();
    if (name.empty() || name.front() == '.') continue;
    switch (ClassifyPath(it->path().string())) {
      case PathKind::Folder:
        folders.push_back(std::move(name));
        break;
      case PathKind::File:
        files.push_back(std::move(name));
        break;
      case PathKind::Missing:  // removed meanwhile
        break;
    }
  }
  return {SortedByName(std::move(folders)), SortedByName(std::move(files))};
}

QString ChildPath(const QString& folder, const QString& name) {
  return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

}  // namespace ovelin

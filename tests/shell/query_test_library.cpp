#include "query_test_library.h"

#include <filesystem>

#include "filing/archive_engine.h"
#include "store/file_url.h"

namespace ovelin::test {

QueryLibrary::QueryLibrary() {
  std::filesystem::create_directories(folder() + "/files");
  AddSet("A", {root()});
  AddSet("A1", {"A"});
  AddSet("A2", {"A"});
  AddSet("B", {root()});
  File("A", "a.txt", "plain text");
  File("A1", "alpha one.txt", "zebra stripes");
  File("A2", "alpha two.txt", "nothing here");
  File("B", "b report.txt", "a zebra");
  File("B", "网页 report", "", kWebUrl.toStdString(), "主页");
}

QString QueryLibrary::FileUrl(const std::string& fileName) const {
  return QString::fromStdString(LocalPathToFileUrl(FilePath(fileName)));
}

void QueryLibrary::File(const std::string& set, const std::string& name, const std::string& content,
                        const std::string& url, const std::string& description) {
  ITEM_PIGEONHOLE_STRUCT item;
  item.Name = name;
  item.Description = description;
  item.BelongSets = set;
  item.Url = url;
  if (url.empty()) {
    WriteTextFile(FilePath(name), content);
    item.Url = LocalPathToFileUrl(FilePath(name));
  }
  Archive(store(), {item}, nullptr);
}

}  // namespace ovelin::test

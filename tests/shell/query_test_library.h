#pragma once
// The library the query panel's tests share, with real files in its folder:
//   root ── A ── A1, A2
//        └─ B
// a.txt in A, "alpha one.txt" in A1, "alpha two.txt" in A2, "b report.txt" and a
// web address "网页 report" in B.

#include <QString>
#include <QStringList>

#include <string>

#include "shell_test_support.h"

namespace ovelin::test {

class QueryLibrary : public StoreFixture {
 public:
  QueryLibrary();
  /// The local path of a sample file.
  std::string FilePath(const std::string& fileName) const { return folder() + "/files/" + fileName; }
  /// The item URL of a sample file.
  QString FileUrl(const std::string& fileName) const;
  /// Files a new item in `set`: a file of that name and content, or with
  /// `url` given, that address.
  void File(const std::string& set, const std::string& name, const std::string& content, const std::string& url = {},
            const std::string& description = {});
};

inline const QString kWebUrl = QStringLiteral("http://example.com/page");

}  // namespace ovelin::test

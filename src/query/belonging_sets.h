#pragma once
// The set-name test of the keyword search: for each keyword, the items of every
// entity set and view set whose name contains it.

#include <string>
#include <string_view>
#include <vector>

#include "store/file_set_store.h"

namespace ovelin {

/// One sorted path list per keyword: the union of what every entity set (with its
/// descendants) and every view set whose lower-cased name contains the keyword
/// denotes. Built once per search; membership is a binary search. The lists are
/// in byte order, which serves membership as well as any order and compares faster.
class BelongingSets {
 public:
  /// Builds the lists for lower-cased keywords. Entity sets are read as bare
  /// paths, each once per keyword; a view set is evaluated, and contributes
  /// nothing when it fails. A repeated keyword shares the list of its first.
  BelongingSets(const CFileSetStore& store, const std::vector<std::string>& keywords);

  /// True when an item of this path belongs to a set whose name contains keyword `index`.
  bool Holds(size_t index, std::string_view path) const;

 private:
  std::vector<size_t> listOf_;                   // per keyword: its index in paths_
  std::vector<std::vector<std::string>> paths_;  // per distinct keyword: byte order, unique
};

}  // namespace ovelin

#pragma once
// CCopyArray: a named list of items kept sorted by path (UTF-16 code-unit order),
// one item per path; inserting a known path merges owning sets and property values.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "base/text_order.h"
#include "store/file_item.h"

namespace ovelin {

template <typename T>
class CCopyArray {
 public:
  CCopyArray() = default;
  explicit CCopyArray(std::string name) : name_(std::move(name)) {}

  const std::string& GetName() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  const T& operator[](size_t i) const { return items_[i]; }
  T& operator[](size_t i) { return items_[i]; }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  const std::vector<T>& Items() const { return items_; }

  /// Inserts in path order; merges into the item of the same path. Items with an
  /// empty name or path are never inserted.
  void Insert(const T& item) {
    if (item.GetName().empty() || item.GetPath().empty()) return;
    auto at = LowerBound(item.GetPath());
    if (at != items_.end() && at->GetPath() == item.GetPath()) {
      at->MergeOwningSets(item);
      at->MergePropertyValues(item);
      return;
    }
    items_.insert(at, item);
  }

  /// The item of exactly this path, or null.
  const T* Find(std::string_view path) const {
    auto at = std::lower_bound(items_.begin(), items_.end(), path, PathBefore);
    return at != items_.end() && at->GetPath() == path ? &*at : nullptr;
  }
  T* Find(std::string_view path) { return const_cast<T*>(std::as_const(*this).Find(path)); }

  /// Removes the item of this path; true when one was there.
  bool Remove(std::string_view path) {
    auto at = LowerBound(path);
    if (at == items_.end() || at->GetPath() != path) return false;
    items_.erase(at);
    return true;
  }

  /// Replaces the content by items already sorted by path and unique.
  void AdoptSorted(std::vector<T> sorted) { items_ = std::move(sorted); }

 private:
  static bool PathBefore(const T& item, std::string_view path) { return Utf16Less(item.GetPath(), path); }
  typename std::vector<T>::iterator LowerBound(std::string_view path) {
    return std::lower_bound(items_.begin(), items_.end(), path, PathBefore);
  }

  std::string name_;
  std::vector<T> items_;
};

using ItemList = CCopyArray<CFileItem>;

}  // namespace ovelin

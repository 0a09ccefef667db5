#pragma once
// Extracted texts kept by path for one search run, within a memory budget.

#include <cstddef>
#include <list>
#include <optional>
#include <string>
#include <unordered_map>

namespace ovelin {

/// Least-recently-used cache from a path to its extracted text, or to the fact that
/// no text could be extracted (so that a failing file is not tried again).
class TextCache {
 public:
  explicit TextCache(size_t budgetBytes) : budget_(budgetBytes) {}

  /// The entry of a path, marked as recently used; nullptr when there is none.
  /// The pointer stays valid until the next Insert.
  const std::optional<std::string>* Find(const std::string& path);

  /// Keeps the entry of a path, dropping the least recently used ones to stay within
  /// the budget; an entry larger than the whole budget is not kept.
  void Insert(const std::string& path, std::optional<std::string> text);

  /// Bytes held by the entries.
  size_t size() const { return size_; }

 private:
  struct Entry {
    std::string path;
    std::optional<std::string> text;
  };
  static size_t Cost(const Entry& entry);

  size_t budget_;
  size_t size_ = 0;
  std::list<Entry> entries_;  // most recently used first
  std::unordered_map<std::string, std::list<Entry>::iterator> index_;
};

}  // namespace ovelin

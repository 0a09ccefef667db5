#pragma once
// CFileItem: one file, folder or web address with everything its sets say about it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/name_list.h"

namespace ovelin {

class CFileItem {
 public:
  CFileItem() = default;
  CFileItem(std::string name, std::string path) : name_(std::move(name)), path_(std::move(path)) {}

  const std::string& GetName() const { return name_; }
  const std::string& GetPath() const { return path_; }
  const std::string& GetDescription() const { return description_; }
  /// Owning (found-in) set names, sorted in name order without duplicates.
  const NameList& GetOwningSets() const { return owningSets_; }
  /// Property value entries "name;value", in the order they were added.
  const std::vector<std::string>& GetPropertyValues() const { return values_; }

  void SetName(std::string name) { name_ = std::move(name); }
  void SetPath(std::string path) { path_ = std::move(path); }
  void SetDescription(std::string description) { description_ = std::move(description); }

  /// Inserts a set name in sorted place unless present; an empty name is ignored.
  void AddOwningSet(const std::string& name) { InsertName(owningSets_, name); }
  /// Removes a set name when present.
  void RemoveOwningSet(std::string_view name) { RemoveName(owningSets_, name); }
  /// Adds every owning set of `other`.
  void MergeOwningSets(const CFileItem& other);

  /// Index of the first entry whose text before its first ";" is `name`; -1 when none.
  int FindPropertyValue(std::string_view name) const;
  /// The second ";"-separated piece of the entry of `name`; empty when missing.
  std::string GetPropertyValue(std::string_view name) const;
  /// Appends "name;value", or replaces the second piece of the existing entry.
  void SetPropertyValue(std::string_view name, std::string_view value);
  /// Removes the entry of `name` when present.
  void RemovePropertyValue(std::string_view name);
  /// Sets every value of `other` whose entry has at least two pieces.
  void MergePropertyValues(const CFileItem& other);
  /// Appends a raw entry as read from a data file (no merging).
  void AppendPropertyEntry(std::string entry) { values_.push_back(std::move(entry)); }

 private:
  std::string name_;
  std::string path_;
  std::string description_;
  NameList owningSets_;
  std::vector<std::string> values_;
};

/// The name part of a property value entry: the text before its first ";".
std::string_view PropertyEntryName(std::string_view entry);
/// The value part of an entry: its second ";"-separated piece; nothing without a ";".
std::optional<std::string_view> PropertyEntryValue(std::string_view entry);

/// Orders items by path in UTF-16 code-unit order.
bool ComparePathLess(const CFileItem& a, const CFileItem& b);

}  // namespace ovelin

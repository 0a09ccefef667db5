#include "store/file_item.h"

#include "base/text_order.h"

#include <optional>

namespace ovelin {
std::string_view PropertyEntryName(std::string_view entry) { return entry.substr(0, entry.find(';')); }

std::optional<std::string_view> PropertyEntryValue(std::string_view entry) {
  const size_t first = entry.find(';');
  if (first == std::string_view::npos) return std::nullopt;
  const size_t second = entry.find(';', first + 1);
  return entry.substr(first + 1, second == std::string_view::npos ? std::string_view::npos : second - first - 1);
}

void CFileItem::MergeOwningSets(const CFileItem& other) {
  for (const auto& name : other.owningSets_) AddOwningSet(name);
}

int CFileItem::FindPropertyValue(std::string_view name) const {
  for (size_t i = 0; i < values_.size(); ++i) {
    if (PropertyEntryName(values_[i]) == name) return static_cast<int>(i);
  }
  return -1;
}

std::string CFileItem::GetPropertyValue(std::string_view name) const {
  const int index = FindPropertyValue(name);
  if (index < 0) return {};
  return std::string(PropertyEntryValue(values_[index]).value_or(""));
}

void CFileItem::SetPropertyValue(std::string_view name, std::string_view value) {
  const int index = FindPropertyValue(name);
  if (index < 0) {
    std::string entry(name);
    entry.push_back(';');
    entry += value;
    values_.push_back(std::move(entry));
    return;
  }
  std::string& entry = values_[index];
  const auto piece = PropertyEntryValue(entry);
  if (!piece) return;
  const size_t offset = static_cast<size_t>(piece->data() - entry.data());
  entry.replace(offset, piece->size(), value);
}

void CFileItem::RemovePropertyValue(std::string_view name) {
  const int index = FindPropertyValue(name);
  if (index >= 0) values_.erase(values_.begin() + index);
}

void CFileItem::MergePropertyValues(const CFileItem& other) {
  for (const auto& entry : other.values_) {
    if (const auto value = PropertyEntryValue(entry)) SetPropertyValue(PropertyEntryName(entry), *value);
  }
}

bool ComparePathLess(const CFileItem& a, const CFileItem& b) { return Utf16Less(a.GetPath(), b.GetPath()); }

}  // namespace ovelin

#include "store/name_list.h"

#include <algorithm>

namespace ovelin {

bool IsBlankName(std::string_view name) { return name.find_first_not_of(" \t\n\v\f\r") == std::string_view::npos; }

bool IsValidName(std::string_view name) {
  return !IsBlankName(name) && name.find_first_of(kIllegalNameCharacters) == std::string_view::npos;
}

NameList SplitNamesInOrder(std::string_view text) {
  NameList names;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(';', start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) names.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

void SortNames(NameList& names) {
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
}

NameList SplitNames(std::string_view text) {
  NameList names = SplitNamesInOrder(text);
  SortNames(names);
  return names;
}

std::string JoinNames(const NameList& names) {
  std::string text;
  for (const auto& name : names) {
    if (!text.empty()) text.push_back(';');
    text += name;
  }
  return text;
}

bool InsertName(NameList& sorted, const std::string& name) {
  if (name.empty()) return false;
  auto at = std::lower_bound(sorted.begin(), sorted.end(), name);
  if (at != sorted.end() && *at == name) return false;
  sorted.insert(at, name);
  return true;
}

bool RemoveName(NameList& sorted, std::string_view name) {
  auto at = std::lower_bound(sorted.begin(), sorted.end(), name);
  if (at == sorted.end() || *at != name) return false;
  sorted.erase(at);
  return true;
}

bool ContainsName(const NameList& sorted, std::string_view name) {
  return std::binary_search(sorted.begin(), sorted.end(), name);
}

}  // namespace ovelin

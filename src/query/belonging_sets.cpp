#include "query/belonging_sets.h"

#include <algorithm>
#include <map>
#include <unordered_set>

#include "query/content/lower_case.h"
#include "query/expression_evaluator.h"

namespace ovelin {
namespace {

using LoweredNames = std::vector<std::pair<std::string, std::string>>;  // name, lower-cased name

LoweredNames Lowered(const NameList& names) {
  LoweredNames lowered;
  lowered.reserve(names.size());
  for (const auto& name : names) lowered.emplace_back(name, LowerCase(name));
  return lowered;
}

// The names whose lower-cased form contains the keyword. Which sets take part
// decides the result, not their order: the lists answer membership only.
std::vector<std::string> Containing(const LoweredNames& names, const std::string& keyword) {
  std::vector<std::string> found;
  for (const auto& [name, lower] : names) {
    if (lower.find(keyword) != std::string::npos) found.push_back(name);
  }
  return found;
}

// The paths of the items of the entity sets and all their descendants: what
// GetItemsByName gives for each, read as bare paths, every set once.
void AddTreePaths(const CFileSetStore& store, std::vector<std::string> pending, std::vector<std::string>& paths) {
  std::unordered_set<std::string> seen;
  while (!pending.empty()) {
    std::string set = std::move(pending.back());
    pending.pop_back();
    if (!seen.insert(set).second) continue;
    for (auto& ref : store.ReadSetItemRefs(set)) {
      if (!ref.name.empty() && !ref.path.empty()) paths.push_back(std::move(ref.path));
    }
    for (auto& child : store.GetChilds(set)) pending.push_back(std::move(child));
  }
}

void AddViewPaths(const CFileSetStore& store, const std::string& view, std::vector<std::string>& paths) {
  const std::optional<ItemList> items = GetItemsByName(store, view);
  if (!items) return;
  for (const auto& item : *items) paths.push_back(item.GetPath());
}

}  // namespace

BelongingSets::BelongingSets(const CFileSetStore& store, const std::vector<std::string>& keywords) {
  const auto entitySets = Lowered(store.GetFileSetNames());
  const auto viewSets = Lowered(store.GetViewSetNames());
  std::map<std::string, size_t> listOfKeyword;  // a repeated keyword shares its list
  for (const auto& keyword : keywords) {
    auto [known, added] = listOfKeyword.emplace(keyword, paths_.size());
    listOf_.push_back(known->second);
    if (!added) continue;
    std::vector<std::string> paths;
    AddTreePaths(store, Containing(entitySets, keyword), paths);
    for (const auto& view : Containing(viewSets, keyword)) AddViewPaths(store, view, paths);
    std::sort(paths.begin(), paths.end());
    paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
    paths_.push_back(std::move(paths));
  }
}

bool BelongingSets::Holds(size_t index, std::string_view path) const {
  if (index >= listOf_.size()) return false;
  const auto& paths = paths_[listOf_[index]];
  const auto at = std::lower_bound(paths.begin(), paths.end(), path);
  return at != paths.end() && *at == path;
}

}  // namespace ovelin

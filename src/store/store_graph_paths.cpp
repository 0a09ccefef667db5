// The places of a set in the set graph: every path from the root set down to it.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "store/file_set_store.h"

namespace ovelin {
namespace {

// Bounds the walk in a damaged file whose parent links lead nowhere near the root.
constexpr size_t kMaxSteps = 1000000;

struct Step {
  std::string set;
  size_t nextParent = 0;
};

std::string JoinFromTop(const std::vector<Step>& chain) {
  std::string path;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) path += "/" + it->set;
  return path;
}

size_t SaturatingAdd(size_t a, size_t b) { return a > SIZE_MAX - b ? SIZE_MAX : a + b; }

struct CountStep {
  std::string set;
  NameList parents;
  size_t nextParent = 0;
  size_t paths = 0;
};

}  // namespace

NameList CFileSetStore::GetPathsFromRoot(std::string_view name, size_t limit) const {
  NameList paths;
  const std::string root = GetRootName();
  if (root.empty() || !FindFileSet(name)) return paths;

  // Depth first up the parent links; `chain` runs from the set up to the set being
  // looked at. A parent already on the chain (a cycle in a damaged file) is skipped.
  std::unordered_map<std::string, NameList> parentsOf;
  std::unordered_set<std::string> onChain{std::string(name)};
  std::vector<Step> chain{{std::string(name), 0}};
  for (size_t steps = 0; !chain.empty() && paths.size() < limit && steps < kMaxSteps; ++steps) {
    Step& top = chain.back();
    if (top.set == root) {
      paths.push_back(JoinFromTop(chain));
      onChain.erase(top.set);
      chain.pop_back();
      continue;
    }
    auto known = parentsOf.find(top.set);
    if (known == parentsOf.end()) known = parentsOf.emplace(top.set, GetParents(top.set)).first;
    const NameList& parents = known->second;
    if (top.nextParent == parents.size()) {
      onChain.erase(top.set);
      chain.pop_back();
      continue;
    }
    const std::string& parent = parents[top.nextParent++];
    if (!onChain.insert(parent).second) continue;
    chain.push_back({parent, 0});
  }
  return paths;
}

size_t CFileSetStore::CountPathsFromRoot(std::string_view name) const {
  const std::string root = GetRootName();
  if (root.empty() || !FindFileSet(name)) return 0;
  // The paths to a set are the sum of those to its parents; each set is counted
  // once. A parent already on the chain (a cycle in a damaged file) adds nothing.
  std::unordered_map<std::string, size_t> counted{{root, 1}};
  std::unordered_set<std::string> onChain{std::string(name)};
  std::vector<CountStep> chain;
  if (name != root) chain.push_back({std::string(name), GetParents(name)});
  while (!chain.empty()) {
    CountStep& top = chain.back();
    if (top.nextParent < top.parents.size()) {
      const std::string& parent = top.parents[top.nextParent++];
      if (auto known = counted.find(parent); known != counted.end()) {
        top.paths = SaturatingAdd(top.paths, known->second);
      } else if (onChain.insert(parent).second) {
        chain.push_back({parent, GetParents(parent)});
      }
      continue;
    }
    const size_t paths = top.paths;
    onChain.erase(top.set);
    counted[std::move(top.set)] = paths;
    chain.pop_back();
    if (!chain.empty()) chain.back().paths = SaturatingAdd(chain.back().paths, paths);
  }
  return counted[std::string(name)];
}

}  // namespace ovelin

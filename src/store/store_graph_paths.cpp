// The places of a set in the set graph: every path from the root set down to it.
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "store/file_set_store.h"

namespace ovelin {
namespace {

// A diamond-rich graph can have more paths to one set than anyone could look at.
constexpr size_t kMaxPathsPerSet = 10000;
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

}  // namespace

NameList CFileSetStore::GetPathsFromRoot(std::string_view name) const {
  NameList paths;
  const std::string root = GetRootName();
  if (root.empty() || !FindFileSet(name)) return paths;

  // Depth first up the parent links; `chain` runs from the set up to the set being
  // looked at. A parent already on the chain (a cycle in a damaged file) is skipped.
  std::unordered_map<std::string, NameList> parentsOf;
  std::unordered_set<std::string> onChain{std::string(name)};
  std::vector<Step> chain{{std::string(name), 0}};
  for (size_t steps = 0; !chain.empty() && paths.size() < kMaxPathsPerSet && steps < kMaxSteps; ++steps) {
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

}  // namespace ovelin

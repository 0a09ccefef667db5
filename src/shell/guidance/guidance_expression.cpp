#include "shell/guidance/guidance_expression.h"

#include <algorithm>
#include <deque>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace ovelin {
namespace {

// The terms gathered for one node, in the order they are written.
class TermList {
 public:
  bool empty() const { return terms_.empty(); }
  bool HasIntersect() const { return intersects_ > 0; }
  const std::deque<std::string>& Terms() const { return terms_; }

  void Add(const std::string& term) {
    if (!known_.insert(term).second) return;
    if (term.front() == '^') {
      terms_.push_front(term);
      ++intersects_;
    } else {
      terms_.push_back(term);
    }
  }

  void Merge(const TermList& other) {
    for (const auto& term : other.terms_) Add(term);
  }

  void ReplaceBy(const std::string& term) {
    terms_.clear();
    known_.clear();
    intersects_ = 0;
    Add(term);
  }

 private:
  std::deque<std::string> terms_;
  std::unordered_set<std::string> known_;
  size_t intersects_ = 0;
};

TermList GatherTerms(const GuidanceNode& node) {
  TermList list;
  for (const auto& child : node.children) list.Merge(GatherTerms(child));
  // A marked descendant already narrows the result more than the set itself would;
  // an excepted set covers everything below it.
  if (node.mark == kGuidanceIntersect && !list.HasIntersect()) list.Add("^" + node.name);
  if (node.mark == kGuidanceExcept) list.ReplaceBy("-" + node.name);
  return list;
}

// A flat node while the tree is built: children by index, so lookups stay valid.
struct FlatNode {
  std::string name;
  std::vector<size_t> children;
};

GuidanceNode Nest(const std::vector<FlatNode>& flat, size_t at) {
  GuidanceNode node{flat[at].name, kGuidanceUnmarked, {}};
  node.children.reserve(flat[at].children.size());
  for (size_t child : flat[at].children) node.children.push_back(Nest(flat, child));
  return node;
}

}  // namespace

GuidanceMark NextGuidanceMark(GuidanceMark mark) {
  switch (mark) {
    case kGuidanceUnmarked:
      return kGuidanceIntersect;
    case kGuidanceIntersect:
      return kGuidanceExcept;
    default:
      return kGuidanceUnmarked;
  }
}

std::vector<GuidanceNode> BuildGuidanceTree(const NameList& paths) {
  // Node 0 stands for the top level; a node is found by its path prefix, so that
  // a thousand paths do not mean a thousand walks along sibling lists.
  std::vector<FlatNode> flat{{}};
  std::unordered_map<std::string, size_t> byPrefix;
  for (const auto& path : paths) {
    std::string_view rest(path);
    const size_t first = rest.find('/');
    if (first == std::string_view::npos) continue;
    rest.remove_prefix(first + 1);
    size_t parent = 0;
    std::string prefix;
    while (!rest.empty()) {
      const size_t end = std::min(rest.find('/'), rest.size());
      const std::string name(rest.substr(0, end));
      rest.remove_prefix(std::min(end + 1, rest.size()));
      if (name.empty()) continue;
      prefix += "/" + name;
      auto [known, added] = byPrefix.emplace(prefix, flat.size());
      if (added) {
        flat[parent].children.push_back(flat.size());
        flat.push_back({name, {}});
      }
      parent = known->second;
    }
  }
  std::vector<GuidanceNode> topLevel;
  for (size_t at : flat[0].children) topLevel.push_back(Nest(flat, at));
  return topLevel;
}

std::string GuidanceExpression(const std::vector<GuidanceNode>& topLevel, const std::string& base) {
  if (topLevel.empty()) return base;
  // The terms are those of the top-level set (the root); further top-level sets,
  // which only a damaged file gives, are merged in as siblings would be.
  TermList list = GatherTerms(topLevel.front());
  for (size_t i = 1; i < topLevel.size(); ++i) list.Merge(GatherTerms(topLevel[i]));
  if (list.empty()) return base;
  std::string expression = "(" + base + ")";
  for (const auto& term : list.Terms()) expression += term;
  return expression;
}

}  // namespace ovelin

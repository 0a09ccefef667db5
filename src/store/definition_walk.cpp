#include "store/definition_walk.h"

#include <algorithm>

namespace ovelin {
namespace {

PropertyDefinition ReadDefinition(pugi::xml_node property) {
  return {property.attribute("Name").value(),      property.attribute("Type").value(),
          property.attribute("Min").value(),       property.attribute("Max").value(),
          property.attribute("InitValue").value(), std::string(kOriginSelf)};
}

void MarkInherited(PropertyDefinition& definition) {
  if (definition.origin != kOriginParent) definition.origin = kOriginParent;
}

}  // namespace

// Adds a parent's definitions as MergeDefinitions does: a name that the list held
// before this parent's turn keeps its definition, the others follow in order.
void DefinitionWalk::Inherit(Frame& reader, DefinitionList inherited) {
  const size_t held = reader.list.size();
  for (auto& definition : inherited) {
    const auto found = reader.firstOf.find(definition.name);
    if (found != reader.firstOf.end() && found->second < held) continue;
    MarkInherited(definition);
    if (found == reader.firstOf.end()) reader.firstOf.emplace(definition.name, reader.list.size());
    reader.list.push_back(std::move(definition));
  }
}

// The whole list of a parent goes to its last reader, which holds nothing yet:
// only the parent's own definitions are not marked as inherited already.
void DefinitionWalk::HandOver(Frame& from, Frame& to) {
  to.list = std::move(from.list);
  to.firstOf = std::move(from.firstOf);
  for (size_t position : from.own) MarkInherited(to.list[position]);
}

void DefinitionWalk::AddOwn(Frame& frame) {
  for (pugi::xml_node property : frame.set.child("ItemPropertys").children("Property")) {
    PropertyDefinition own = ReadDefinition(property);
    const auto found = frame.firstOf.find(own.name);
    if (found == frame.firstOf.end()) {
      frame.firstOf.emplace(own.name, frame.list.size());
      frame.own.push_back(frame.list.size());
      frame.list.push_back(std::move(own));
      continue;
    }
    own.origin = kOriginExt;
    frame.own.push_back(found->second);
    frame.list[found->second] = std::move(own);
  }
  std::sort(frame.own.begin(), frame.own.end());
  frame.own.erase(std::unique(frame.own.begin(), frame.own.end()), frame.own.end());
}

const NameList& DefinitionWalk::ParentsOf(const std::string& name) {
  auto found = parents_.find(name);
  if (found == parents_.end()) found = parents_.emplace(name, store_.GetParents(name)).first;
  return found->second;
}

void DefinitionWalk::CountReaders(const NameList& names, bool callerReads) {
  counted_ = true;
  std::vector<std::string> pending;
  // True for a set that exists; its parents are read once, when it is first reached.
  auto reach = [&](const std::string& name) {
    if (!store_.FindFileSet(name)) return false;
    if (!parents_.count(name)) {
      ParentsOf(name);
      pending.push_back(name);
    }
    return true;
  };
  for (const auto& name : names) {
    if (reach(name) && callerReads) ++readers_[name];
  }
  while (!pending.empty()) {
    const std::string name = std::move(pending.back());
    pending.pop_back();
    // References into the map stay valid while `reach` adds to it.
    for (const auto& parent : parents_.at(name)) {
      if (reach(parent)) ++readers_[parent];
    }
  }
}

void DefinitionWalk::Enter(std::vector<Frame>& stack, const std::string& name, pugi::xml_node set) {
  memo_.emplace(name, DefinitionList());  // being worked out: a cycle back to it finds nothing
  Frame frame;
  frame.name = name;
  frame.set = set;
  frame.parents = &ParentsOf(name);
  stack.push_back(std::move(frame));
}

bool DefinitionWalk::IsLastReader(const std::string& name) const {
  const auto readers = readers_.find(name);
  return counted_ && (readers == readers_.end() || readers->second <= 1);
}

DefinitionList DefinitionWalk::Take(const std::string& name) {
  DefinitionList& kept = memo_.at(name);
  if (!IsLastReader(name)) {
    if (counted_) --readers_[name];
    return kept;
  }
  readers_[name] = 0;
  DefinitionList last = std::move(kept);
  kept.clear();
  return last;
}

// A finished list stays for its readers; one that has none left is not kept.
void DefinitionWalk::Keep(Frame& frame) {
  const auto readers = readers_.find(frame.name);
  if (!counted_ || (readers != readers_.end() && readers->second > 0)) memo_[frame.name] = std::move(frame.list);
}

void DefinitionWalk::Visit(const std::string& name) {
  if (memo_.count(name)) return;
  pugi::xml_node set = store_.FindFileSet(name);
  if (!set) return;
  std::vector<Frame> stack;
  Enter(stack, name, set);
  while (!stack.empty()) {
    Frame& top = stack.back();
    if (top.next < top.parents->size()) {
      const std::string& parent = (*top.parents)[top.next++];
      if (memo_.count(parent)) {
        Inherit(top, Take(parent));
      } else if (pugi::xml_node parentSet = store_.FindFileSet(parent)) {
        Enter(stack, parent, parentSet);
      }
      continue;
    }
    AddOwn(top);
    if (finished_) finished_(top.name, top.list, top.own);
    if (stack.size() > 1 && IsLastReader(top.name) && stack[stack.size() - 2].list.empty()) {
      readers_[top.name] = 0;
      HandOver(top, stack[stack.size() - 2]);
      stack.pop_back();
      continue;
    }
    Keep(top);
    const std::string finished = std::move(top.name);
    stack.pop_back();
    if (!stack.empty()) Inherit(stack.back(), Take(finished));
  }
}

DefinitionList DefinitionWalk::Of(const std::string& name) {
  Visit(name);
  if (!memo_.count(name)) return {};
  return Take(name);
}

}  // namespace ovelin

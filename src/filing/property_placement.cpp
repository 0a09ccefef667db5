#include "filing/property_placement.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>
#include <unordered_set>

#include "base/messages.h"
#include "store/value_order.h"

namespace ovelin {
namespace {

// The bound that `value` misses, if any.
std::optional<PlacementFailure> MissedBound(const PropertyDefinition& definition, const std::string& value) {
  if (!definition.min.empty() && CompareValues(definition.type, value, definition.min) < 0) {
    return PlacementFailure{PlacementFailureKind::BelowMinimum, definition.name, value, {}, definition.min};
  }
  if (!definition.max.empty() && CompareValues(definition.type, value, definition.max) > 0) {
    return PlacementFailure{PlacementFailureKind::AboveMaximum, definition.name, value, {}, definition.max};
  }
  return std::nullopt;
}

// Tests the set's definitions in their order, completing empty values; the first
// definition missed, or nothing when the set accepts the item.
std::optional<PlacementFailure> Refusal(const std::string& set, const DefinitionList& definitions, CFileItem& values) {
  for (const auto& definition : definitions) {
    if (values.FindPropertyValue(definition.name) < 0) {
      return PlacementFailure{PlacementFailureKind::MissingValue, definition.name, {}, set, {}};
    }
    std::string value = values.GetPropertyValue(definition.name);
    if (value.empty()) {
      value = definition.initValue;
      values.SetPropertyValue(definition.name, value);
    }
    if (auto missed = MissedBound(definition, value)) {
      missed->set = set;
      return missed;
    }
  }
  return std::nullopt;
}

// Whether a chain of child links from `start` comes back to a set on it, which
// only a hand-edited data file can hold.
bool HasCycleBelow(const CFileSetStore& store, const std::string& start) {
  struct Frame {
    std::string set;
    NameList childs;
    size_t next = 0;
  };
  std::unordered_set<std::string> onPath{start};
  std::unordered_set<std::string> done;
  std::vector<Frame> stack{{start, store.GetChilds(start), 0}};
  while (!stack.empty()) {
    Frame& top = stack.back();
    if (top.next == top.childs.size()) {
      onPath.erase(top.set);
      done.insert(top.set);
      stack.pop_back();
      continue;
    }
    const std::string child = top.childs[top.next++];
    if (onPath.count(child)) return true;
    if (done.count(child) || !store.FindFileSet(child)) continue;
    onPath.insert(child);
    stack.push_back({child, store.GetChilds(child), 0});
  }
  return false;
}

// Adds the names of a sorted list to a sorted list.
void AddAll(NameList& sorted, const NameList& names) {
  NameList both;
  both.reserve(sorted.size() + names.size());
  std::set_union(sorted.begin(), sorted.end(), names.begin(), names.end(), std::back_inserter(both));
  sorted = std::move(both);
}

// Places an item below a set depth first, on an explicit stack. The sets on the
// path are kept, so that a parent cycle in a hand-edited data file ends the walk.
// In a graph without cycles a set reached again along another path answers as it
// did the first time (its refusal completed the same values), so it is worked out
// once and the walk stays in proportion to the graph's size.
class Placer {
 public:
  Placer(const CFileSetStore& store, CFileItem& values, bool reuseAnswers)
      : store_(store), values_(values), reuseAnswers_(reuseAnswers) {}

  Placement Place(const std::string& start) {
    Placement answer;
    if (!Begin(start, answer)) return answer;
    while (true) {
      Frame& top = stack_.back();
      if (top.next < top.childs.size()) {
        const std::string child = top.childs[top.next++];
        // Begin adds a frame, or gives the child's answer at once.
        if (store_.FindFileSet(child) && !Begin(child, answer)) AddAll(stack_.back().sets, answer.sets);
        continue;
      }
      answer = Finish(top);
      stack_.pop_back();
      if (stack_.empty()) return answer;
      AddAll(stack_.back().sets, answer.sets);
    }
  }

 private:
  struct Frame {
    std::string set;
    DefinitionList definitions;
    NameList childs;
    size_t next = 0;
    NameList sets;  // the union of the children's answers
  };

  // Starts on a set; false when its answer is known at once.
  bool Begin(const std::string& set, Placement& answer) {
    if (const auto known = answers_.find(set); known != answers_.end()) {
      answer = known->second;
      return false;
    }
    DefinitionList definitions = store_.GetDefinitions(set, definitionMemo_);
    if (definitions.empty()) {
      answer = {{set}, std::nullopt};
      return false;
    }
    if (!onPath_.insert(set).second) {
      answer = {};
      return false;
    }
    stack_.push_back({set, std::move(definitions), store_.GetChilds(set), 0, {}});
    return true;
  }

  // The children's answers, or else the set itself when the item fits it.
  Placement Finish(Frame& frame) {
    onPath_.erase(frame.set);
    Placement answer;
    if (!frame.sets.empty()) {
      answer.sets = std::move(frame.sets);
    } else {
      answer.failure = Refusal(frame.set, frame.definitions, values_);
      if (!answer.failure) answer.sets.push_back(frame.set);
    }
    if (reuseAnswers_) answers_.emplace(frame.set, answer);
    return answer;
  }

  const CFileSetStore& store_;
  CFileItem& values_;
  const bool reuseAnswers_;
  DefinitionMemo definitionMemo_;
  std::unordered_map<std::string, Placement> answers_;
  std::unordered_set<std::string> onPath_;
  std::vector<Frame> stack_;
};

std::string FailureSentence(const PlacementFailure& failure) {
  switch (failure.kind) {
    case PlacementFailureKind::BelowMinimum:
      return MessageText(MessageId::ValueBelowMinimum, {failure.property, failure.value, failure.set, failure.bound});
    case PlacementFailureKind::AboveMaximum:
      return MessageText(MessageId::ValueAboveMaximum, {failure.property, failure.value, failure.set, failure.bound});
    case PlacementFailureKind::MissingValue:
      return MessageText(MessageId::ValueMissing, {failure.property, failure.set});
  }
  return {};
}

}  // namespace

std::string PlacementFailureText(const std::vector<PlacementFailure>& failures) {
  std::string text;
  for (const auto& failure : failures) {
    if (!text.empty()) text += MessageText(MessageId::ReasonSeparator);
    text += FailureSentence(failure);
  }
  return text;
}

bool IsWithinBounds(const PropertyDefinition& definition, const std::string& value) {
  return !MissedBound(definition, value);
}

Placement PlaceItem(const CFileSetStore& store, const std::string& set, CFileItem& values) {
  return Placer(store, values, !HasCycleBelow(store, set)).Place(set);
}

}  // namespace ovelin

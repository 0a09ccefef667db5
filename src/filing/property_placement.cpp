#include "filing/property_placement.h"

#include <algorithm>

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
std::optional<PlacementFailure> Refusal(const std::string& set, const DefinitionList& definitions,
                                        CFileItem& values) {
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

// `path` holds the sets being visited, so that a parent cycle in a hand-edited
// data file ends the walk instead of recursing forever.
Placement Place(const CFileSetStore& store, const std::string& set, CFileItem& values, NameList& path) {
  const DefinitionList definitions = store.GetDefinitions(set);
  if (definitions.empty()) return {{set}, std::nullopt};
  if (std::find(path.begin(), path.end(), set) != path.end()) return {};
  path.push_back(set);
  Placement answer;
  for (const auto& child : store.GetChilds(set)) {
    if (!store.FindFileSet(child)) continue;
    for (const auto& name : Place(store, child, values, path).sets) InsertName(answer.sets, name);
  }
  path.pop_back();
  if (!answer.sets.empty()) return answer;
  answer.failure = Refusal(set, definitions, values);
  if (!answer.failure) answer.sets.push_back(set);
  return answer;
}

std::string FailureSentence(const PlacementFailure& failure) {
  switch (failure.kind) {
    case PlacementFailureKind::BelowMinimum:
      return "属性" + failure.property + "的值" + failure.value + "低于文件集" + failure.set + "的下限" + failure.bound;
    case PlacementFailureKind::AboveMaximum:
      return "属性" + failure.property + "的值" + failure.value + "高于文件集" + failure.set + "的上限" + failure.bound;
    case PlacementFailureKind::MissingValue:
      return "缺少属性" + failure.property + "的值，文件集" + failure.set + "要求它";
  }
  return {};
}

}  // namespace

std::string PlacementFailureText(const std::vector<PlacementFailure>& failures) {
  std::string text;
  for (const auto& failure : failures) {
    if (!text.empty()) text += "；";
    text += FailureSentence(failure);
  }
  return text;
}

bool IsWithinBounds(const PropertyDefinition& definition, const std::string& value) {
  return !MissedBound(definition, value);
}

Placement PlaceItem(const CFileSetStore& store, const std::string& set, CFileItem& values) {
  NameList path;
  return Place(store, set, values, path);
}

}  // namespace ovelin

#include "filing/item_edit.h"

#include <unordered_set>

#include "filing/archive_records.h"
#include "filing/property_placement.h"
#include "filing/touched_sets.h"

namespace ovelin {
namespace {

CheckResult Refused(MessageId reason, std::vector<std::string> values = {}) {
  return {MessageId::ItemEditFailed, reason, std::move(values)};
}

// There is one set at least, and each exists.
CheckResult CheckSetsExist(const CFileSetStore& store, const NameList& sets) {
  if (sets.empty()) return Refused(MessageId::ItemWithoutSets);
  for (const auto& set : sets) {
    if (!store.FindFileSet(set)) return Refused(MessageId::UnknownSet, {set});
  }
  return {};
}

// The definitions in force for each set, in the order of the sets.
std::vector<DefinitionList> DefinitionsPerSet(const CFileSetStore& store, const NameList& sets) {
  DefinitionMemo memo;
  std::vector<DefinitionList> perSet;
  for (const auto& set : sets) perSet.push_back(store.GetDefinitions(set, memo));
  return perSet;
}

// The first definition of each name among the sets, and the first property two
// sets give different types.
DefinitionList MergeAll(const std::vector<DefinitionList>& perSet, std::string& clash) {
  DefinitionList merged;
  for (const auto& definitions : perSet) {
    for (const auto& definition : definitions) {
      const PropertyDefinition* known = FindDefinition(merged, definition.name);
      if (!known) {
        merged.push_back(definition);
      } else if (known->type != definition.type && clash.empty()) {
        clash = definition.name;
      }
    }
  }
  return merged;
}

// The archiving engine's sentence for the bound of `definition` that `value` misses.
std::string RangeMissText(const PropertyDefinition& definition, const std::string& value, const std::string& set) {
  PropertyDefinition lowerOnly = definition;
  lowerOnly.max.clear();
  const bool below = !IsWithinBounds(lowerOnly, value);
  const PlacementFailure failure{below ? PlacementFailureKind::BelowMinimum : PlacementFailureKind::AboveMaximum,
                                 definition.name, value, set, below ? definition.min : definition.max};
  return PlacementFailureText({failure});
}

// Tests the values of the properties in `checked` (all when null) against each
// set's definitions in force; an empty or missing value first takes the initial value.
CheckResult CompleteAndCheckValues(const NameList& sets, const std::vector<DefinitionList>& perSet,
                                   const std::unordered_set<std::string>* checked, CFileItem& item) {
  for (size_t i = 0; i < sets.size(); ++i) {
    for (const auto& definition : perSet[i]) {
      if (checked && !checked->contains(definition.name)) continue;
      std::string value = item.GetPropertyValue(definition.name);
      if (value.empty()) {
        value = definition.initValue;
        item.SetPropertyValue(definition.name, value);
      }
      if (!IsWithinBounds(definition, value)) {
        return Refused(MessageId::ValueOutOfRange, {RangeMissText(definition, value, sets[i])});
      }
    }
  }
  return {};
}

// Makes `sets` the item's owning sets and drops the values none of them defines.
void ReplaceSets(CFileItem& item, const NameList& sets, const DefinitionList& inForce) {
  for (const auto& old : NameList(item.GetOwningSets())) item.RemoveOwningSet(old);
  for (const auto& set : sets) item.AddOwningSet(set);
  for (const auto& entry : std::vector<std::string>(item.GetPropertyValues())) {
    const std::string name(PropertyEntryName(entry));
    if (!FindDefinition(inForce, name)) item.RemovePropertyValue(name);
  }
}

}  // namespace

CheckResult PlanItemEdit(const CFileSetStore& store, const std::string& path, const ItemEdit& edit, CFileItem& edited) {
  CFileItem item = store.FindItemByPath(path);
  if (item.GetPath().empty()) return Refused(MessageId::UnknownItem, {path});
  if (edit.name && IsBlankName(*edit.name)) return Refused(MessageId::NameEmpty);
  const NameList sets = edit.sets.value_or(item.GetOwningSets());
  if (edit.sets) {
    if (CheckResult result = CheckSetsExist(store, sets); !result) return result;
  }
  const std::vector<DefinitionList> perSet = DefinitionsPerSet(store, sets);
  std::string clash;
  const DefinitionList inForce = MergeAll(perSet, clash);
  if (edit.sets && !clash.empty()) {
    return {MessageId::ItemSetsPropertyConflict, MessageId::PropertyTypesDiffer, {clash, JoinNames(sets)}};
  }

  std::unordered_set<std::string> given;
  for (const auto& [name, value] : edit.values) {
    if (!FindDefinition(inForce, name)) return Refused(MessageId::ItemPropertyUndefined, {name, JoinNames(sets)});
    item.SetPropertyValue(name, value);
    given.insert(name);
  }
  if (edit.name) item.SetName(*edit.name);
  if (edit.description) item.SetDescription(*edit.description);
  if (edit.sets) ReplaceSets(item, sets, inForce);
  if (CheckResult result = CompleteAndCheckValues(sets, perSet, edit.sets ? nullptr : &given, item); !result) {
    return result;
  }
  edited = std::move(item);
  return {};
}

CheckResult EditItem(CFileSetStore& store, const std::string& path, const ItemEdit& edit) {
  CFileItem edited;
  if (CheckResult result = PlanItemEdit(store, path, edit, edited); !result) return result;
  TouchedSets touched;
  RecordArchivedItem(store, touched, path, std::move(edited), path);
  touched.WriteAll(store);
  return {};
}

}  // namespace ovelin

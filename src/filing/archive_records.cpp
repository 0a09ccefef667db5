#include "filing/archive_records.h"

#include "filing/url_parts.h"

namespace ovelin {

NameList MostSpecificSets(const CFileSetStore& store, const std::string& belongSets) {
  NameList listed;
  for (const auto& name : SplitNames(belongSets)) {
    if (store.FindFileSet(name)) listed.push_back(name);
  }
  NameList specific;
  for (const auto& name : listed) {
    bool hasListedDescendant = false;
    for (const auto& other : listed) {
      if (other != name && store.IsDescendant(other, name)) hasListedDescendant = true;
    }
    if (!hasListedDescendant) specific.push_back(name);
  }
  if (specific.empty()) specific.push_back(store.GetRootName());
  return specific;
}

std::string ItemNameOf(const ITEM_PIGEONHOLE_STRUCT& request) {
  if (!request.Name.empty()) return request.Name;
  if (const auto local = LocalPathOfUrl(request.Url)) {
    if (const auto parts = SplitLocalPath(*local); parts && !parts->fileName.empty()) return parts->fileName;
  }
  return request.Url;
}

PlannedRecord PlanRecord(const CFileSetStore& store, const ITEM_PIGEONHOLE_STRUCT& request) {
  PlannedRecord plan;
  plan.item.SetName(ItemNameOf(request));
  plan.item.SetDescription(request.Description);
  for (const auto& entry : request.PropValueAry) plan.item.AppendPropertyEntry(entry);

  for (const auto& chosen : MostSpecificSets(store, request.BelongSets)) {
    Placement placement = PlaceItem(store, chosen, plan.item);
    for (const auto& name : placement.sets) plan.item.AddOwningSet(name);
    if (placement.failure) plan.failures.push_back(std::move(*placement.failure));
  }
  if (plan.Placed()) plan.failures.clear();
  return plan;
}

void RecordArchivedItem(CFileSetStore& store, TouchedSets& touched, const std::string& oldUrl, CFileItem item,
                        const std::string& newUrl) {
  RemoveItemRecord(store, touched, oldUrl);
  if (newUrl != oldUrl) RemoveItemRecord(store, touched, newUrl);
  item.SetPath(newUrl);
  for (const auto& name : item.GetOwningSets()) touched.Fetch(store, name).Insert(item);
  store.PutRootItem(item);
}

}  // namespace ovelin

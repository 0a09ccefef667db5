#include "filing/archive_records.h"

#include "filing/property_placement.h"
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

NameList RecordArchivedItem(CFileSetStore& store, TouchedSets& touched, const ITEM_PIGEONHOLE_STRUCT& request,
                            const std::string& newUrl) {
  RemoveItemRecord(store, touched, request.Url);
  if (newUrl != request.Url) RemoveItemRecord(store, touched, newUrl);

  CFileItem item(ItemNameOf(request), newUrl);
  item.SetDescription(request.Description);
  for (const auto& entry : request.PropValueAry) item.AppendPropertyEntry(entry);

  NameList sets;
  for (const auto& chosen : MostSpecificSets(store, request.BelongSets)) {
    for (const auto& name : PlaceItem(store, chosen, item)) InsertName(sets, name);
  }
  for (const auto& name : sets) item.AddOwningSet(name);
  for (const auto& name : sets) touched.Fetch(store, name).Insert(item);
  store.PutRootItem(item);
  return sets;
}

}  // namespace ovelin

// File items: reading a set's elements, writing them back, and the root item list.
#include <algorithm>
#include <unordered_map>

#include "store/file_set_store.h"
#include "store/xml_text.h"

namespace ovelin {
namespace {

CFileItem ReadFileElement(pugi::xml_node file, const std::string& setName) {
  CFileItem item(ChildText(file, "Name"), ChildText(file, "Path"));
  item.SetDescription(ChildText(file, "Description"));
  for (pugi::xml_node property : file.child("ItemPropertys").children()) {
    if (property.type() != pugi::node_element) continue;
    std::string entry = property.attribute("Name").value();
    entry.push_back(';');
    entry += property.attribute("Value").value();
    item.AppendPropertyEntry(std::move(entry));
  }
  item.AddOwningSet(setName);
  return item;
}

// The order in which sets are visited when a set's items are gathered: the set,
// then each child's subtree in the order of the `Childs` text. `first` holds each
// set once, at its first visit; `repeats` tells whether any set is reached twice.
struct VisitOrder {
  NameList first;
  bool repeats = false;
};

}  // namespace

std::vector<ItemRef> CFileSetStore::ReadSetItemRefs(std::string_view name) const {
  std::vector<ItemRef> refs;
  for (pugi::xml_node file : FindFileSet(name).child("Elements").children()) {
    if (file.type() == pugi::node_element) refs.push_back({ChildText(file, "Name"), ChildText(file, "Path")});
  }
  return refs;
}

std::vector<CFileItem> CFileSetStore::ReadSetItems(std::string_view name) const {
  std::vector<CFileItem> items;
  const std::string setName(name);
  for (pugi::xml_node file : FindFileSet(name).child("Elements").children()) {
    if (file.type() == pugi::node_element) items.push_back(ReadFileElement(file, setName));
  }
  return items;
}

namespace {

// Visits sets depth first; `childsOf` gives a set's children in visiting order.
template <typename ChildsOf, typename OnFirst>
void VisitOnce(const std::string& start, ChildsOf childsOf, OnFirst onFirst, bool postorder, bool& repeats) {
  struct Frame {
    std::string name;
    NameList childs;
    size_t next = 0;
  };
  std::unordered_map<std::string, bool> seen{{start, true}};
  std::vector<Frame> stack;
  stack.push_back({start, childsOf(start)});
  if (!postorder) onFirst(start);
  while (!stack.empty()) {
    Frame& top = stack.back();
    if (top.next == top.childs.size()) {
      if (postorder) onFirst(top.name);
      stack.pop_back();
      continue;
    }
    std::string child = top.childs[top.next++];
    if (!seen.emplace(child, true).second) {
      repeats = true;
      continue;
    }
    if (!postorder) onFirst(child);
    NameList grandChilds = childsOf(child);
    stack.push_back({std::move(child), std::move(grandChilds)});
  }
}

}  // namespace

std::optional<ItemList> CFileSetStore::ReadSetTreeItems(const std::string& name) const {
  if (!FindFileSet(name)) return std::nullopt;
  auto childsInOrder = [this](const std::string& set) {
    NameList childs;
    for (auto& child : SplitNamesInOrder(ChildText(FindFileSet(set), "Childs"))) {
      if (FindFileSet(child)) childs.push_back(std::move(child));
    }
    return childs;
  };

  // Every item of every set, each set read once, in first-visit order.
  struct Record {
    CFileItem item;
    size_t setRank;
  };
  std::vector<Record> records;
  std::unordered_map<std::string, size_t> rankOf;
  bool repeats = false;
  VisitOnce(
      name, childsInOrder,
      [&](const std::string& set) {
        const size_t rank = rankOf.size();
        rankOf.emplace(set, rank);
        for (pugi::xml_node file : FindFileSet(set).child("Elements").children()) {
          if (file.type() != pugi::node_element) continue;
          CFileItem item = ReadFileElement(file, set);
          if (!item.GetName().empty() && !item.GetPath().empty()) records.push_back({std::move(item), rank});
        }
      },
      false, repeats);

  std::stable_sort(records.begin(), records.end(),
                   [](const Record& a, const Record& b) { return Utf16Less(a.item.GetPath(), b.item.GetPath()); });

  // A set reached along several paths would have its items merged again at each
  // visit, so the values of the set visited last win: replay those merges in
  // order of each set's last visit (the reverse of a postorder over reversed children).
  std::vector<size_t> lastRank(rankOf.size(), 0);
  if (repeats) {
    auto childsReversed = [&](const std::string& set) {
      NameList childs = childsInOrder(set);
      std::reverse(childs.begin(), childs.end());
      return childs;
    };
    size_t position = rankOf.size();
    bool ignored = false;
    VisitOnce(
        name, childsReversed, [&](const std::string& set) { lastRank[rankOf[set]] = --position; }, true, ignored);
  }

  std::vector<CFileItem> merged;
  merged.reserve(records.size());
  for (size_t begin = 0; begin < records.size();) {
    size_t end = begin + 1;
    const std::string& path = records[begin].item.GetPath();
    while (end < records.size() && records[end].item.GetPath() == path) ++end;
    // The first record is copied only when a later replay still needs it.
    const bool replay = repeats && end - begin > 1;
    CFileItem item = replay ? records[begin].item : std::move(records[begin].item);
    for (size_t i = begin + 1; i < end; ++i) {
      item.MergeOwningSets(records[i].item);
      item.MergePropertyValues(records[i].item);
    }
    if (replay) {
      std::vector<const Record*> group;
      for (size_t i = begin; i < end; ++i) group.push_back(&records[i]);
      std::stable_sort(group.begin(), group.end(),
                       [&](const Record* a, const Record* b) { return lastRank[a->setRank] < lastRank[b->setRank]; });
      for (const Record* record : group) item.MergePropertyValues(record->item);
    }
    merged.push_back(std::move(item));
    begin = end;
  }
  ItemList list(name);
  list.AdoptSorted(std::move(merged));
  return list;
}

void CFileSetStore::RebuildRootItems() {
  const std::string root = GetRootName();
  rootItems_.Reset(ReadSetTreeItems(root).value_or(ItemList(root)));
}

CFileItem CFileSetStore::FindItemByPath(std::string_view path) const {
  const CFileItem* item = rootItems_.Find(path);
  return item ? *item : CFileItem();
}

NameList CFileSetStore::CollectOwningSets(const ItemList& items) const {
  NameList sets;
  for (const auto& item : items) {
    if (const CFileItem* known = rootItems_.Find(item.GetPath())) {
      for (const auto& name : known->GetOwningSets()) InsertName(sets, name);
    }
  }
  return sets;
}

void CFileSetStore::PutRootItem(const CFileItem& item) { rootItems_.Put(item); }

void CFileSetStore::RemoveRootItem(std::string_view path) { rootItems_.Remove(path); }

namespace {

pugi::xml_node BuildFileElement(pugi::xml_node elements, const CFileItem& item, const DefinitionList& inForce) {
  pugi::xml_node file = elements.append_child("File");
  AppendTextElement(file, "Name", item.GetName());
  AppendTextElement(file, "Path", item.GetPath());
  AppendTextElement(file, "Description", item.GetDescription());
  pugi::xml_node properties = file.append_child("ItemPropertys");
  for (const auto& entry : item.GetPropertyValues()) {
    const auto value = PropertyEntryValue(entry);
    const std::string_view name = PropertyEntryName(entry);
    if (!value || !FindDefinition(inForce, name)) continue;
    pugi::xml_node property = properties.append_child("Property");
    SetAttribute(property, "Name", name);
    SetAttribute(property, "Value", *value);
  }
  return file;
}

}  // namespace

void CFileSetStore::WriteSetElements(const ItemList& items) {
  pugi::xml_node set = FindFileSet(items.GetName());
  if (!set) return;
  pugi::xml_node elements = set.child("Elements");
  if (!elements) elements = set.append_child("Elements");
  RemoveChildren(elements);
  const DefinitionList inForce = GetDefinitions(items.GetName());
  for (const auto& item : items) {
    if (ContainsName(item.GetOwningSets(), items.GetName())) BuildFileElement(elements, item, inForce);
  }
}

}  // namespace ovelin

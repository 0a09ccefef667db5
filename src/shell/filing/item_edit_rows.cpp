#include "shell/filing/item_edit_rows.h"

#include <algorithm>

#include "filing/archive_destination.h"
#include "filing/url_parts.h"

namespace ovelin {
namespace {

// The common value of a column, or kDifferingText.
template <typename Column>
std::string Common(const std::vector<const ItemEditRow*>& rows, Column column) {
  if (rows.empty()) return {};
  const std::string first = column(*rows.front());
  for (const ItemEditRow* row : rows) {
    if (column(*row) != first) return std::string(kDifferingText);
  }
  return first;
}

NameList CommonSets(const std::vector<const ItemEditRow*>& rows) {
  if (rows.empty()) return {};
  NameList common = rows.front()->sets;
  for (const ItemEditRow* row : rows) {
    std::erase_if(common, [row](const std::string& name) { return !ContainsName(row->sets, name); });
  }
  return common;
}

// The value of `property` in a row's entries; nothing when the row lacks it.
std::optional<std::string> ValueOf(const std::vector<std::string>& entries, std::string_view property) {
  for (const auto& entry : entries) {
    if (PropertyEntryName(entry) == property) return std::string(PropertyEntryValue(entry).value_or(""));
  }
  return std::nullopt;
}

std::vector<std::string> CommonValues(const std::vector<const ItemEditRow*>& rows) {
  std::vector<std::string> merged;
  if (rows.empty()) return merged;
  for (const auto& entry : rows.front()->values) {
    const std::string property(PropertyEntryName(entry));
    const std::string first = ValueOf(rows.front()->values, property).value_or("");
    bool everywhere = true;
    bool differ = false;
    for (const ItemEditRow* row : rows) {
      const auto value = ValueOf(row->values, property);
      everywhere = everywhere && value.has_value();
      differ = differ || (value && *value != first);
    }
    if (!everywhere) continue;
    merged.push_back(property + ";" + (differ ? std::string(kDifferingValue) : first));
  }
  return merged;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  size_t start = 0;
  for (size_t at = text.find(from); at != std::string_view::npos; at = text.find(from, start)) {
    out.append(text.substr(start, at - start));
    out.append(to);
    start = at + from.size();
  }
  out.append(text.substr(start));
  return out;
}

}  // namespace

std::optional<std::string> ItemEditRow::LocalPath() const { return LocalPathOfUrl(url); }

std::string ItemEditRow::SourceText() const { return LocalPath().value_or(url); }

TransferList TransfersOf(const PigeonholeBatch& batch) {
  TransferList transfers;
  transfers.reserve(batch.size());
  for (const auto& record : batch) transfers.push_back({record.Name, record.Url, record.BelongSets, 0});
  return transfers;
}

ItemEditRow MakeItemRow(const CFileSetStore& store, const TRANSFER_ITEMSEL_STRUCT& transfer) {
  ItemEditRow row;
  row.name = transfer.Name;
  row.url = transfer.Url;
  row.sets = SplitNames(transfer.BelongSets);
  const CFileItem stored = store.FindItemByPath(transfer.Url);
  if (!stored.GetPath().empty()) {
    for (const auto& set : stored.GetOwningSets()) InsertName(row.sets, set);
    row.name = stored.GetName();
    row.description = stored.GetDescription();
    row.values = stored.GetPropertyValues();
  }
  row.basePath = row.LocalPath().value_or("");
  return row;
}

std::string RowDestination(const CFileSetStore& store, const ItemEditRow& row) {
  const auto source = row.LocalPath();
  if (!source) return {};
  return ArchiveDestination(*source, row.basePath, ArchiveDestinationRoot(store, row.pigPathSet));
}

MergedRows MergeRows(const CFileSetStore& store, const std::vector<const ItemEditRow*>& rows) {
  MergedRows merged;
  merged.name = Common(rows, [](const ItemEditRow& row) { return row.name; });
  merged.pigPathSet = Common(rows, [](const ItemEditRow& row) { return row.pigPathSet; });
  merged.sourceText = Common(rows, [](const ItemEditRow& row) { return row.SourceText(); });
  merged.basePath = Common(rows, [](const ItemEditRow& row) { return row.basePath; });
  merged.destination = Common(rows, [&store](const ItemEditRow& row) { return RowDestination(store, row); });
  merged.commonSets = CommonSets(rows);
  merged.values = CommonValues(rows);
  merged.anyWebAddress =
      std::any_of(rows.begin(), rows.end(), [](const ItemEditRow* row) { return !row->LocalPath().has_value(); });
  return merged;
}

void ApplyValues(ItemEditRow& row, const std::vector<std::string>& values) {
  for (const auto& value : values) {
    const auto text = PropertyEntryValue(value);
    if (!text || *text == kDifferingValue) continue;
    const std::string_view property = PropertyEntryName(value);
    for (auto& entry : row.values) {
      if (PropertyEntryName(entry) == property) entry = value;
    }
  }
}

bool ChangeRowSet(const CFileSetStore& store, ItemEditRow& row, const std::string& set, bool add) {
  if (add)
    InsertName(row.sets, set);
  else
    RemoveName(row.sets, set);
  // A set the row leaves can no longer be where its file goes.
  if (!add && row.pigPathSet == set) row.pigPathSet.clear();
  bool conflict = false;
  const DefinitionList definitions = store.CollectDefinitions(row.sets, conflict);
  if (conflict) return false;
  std::erase_if(row.values, [&definitions](const std::string& entry) {
    return !FindDefinition(definitions, PropertyEntryName(entry));
  });
  for (const auto& definition : definitions) {
    if (!ValueOf(row.values, definition.name)) row.values.push_back(definition.name + ";" + definition.initValue);
  }
  return true;
}

std::optional<PigeonholeBatch> BuildBatch(const std::vector<ItemEditRow>& rows) {
  PigeonholeBatch batch;
  batch.reserve(rows.size());
  for (const ItemEditRow& row : rows) {
    if (row.name.empty()) return std::nullopt;
    batch.push_back(
        {row.name, row.description, JoinNames(row.sets), row.pigPathSet, row.url, row.basePath, row.values});
  }
  return batch;
}

std::string DescriptionForEditing(std::string_view stored) { return ReplaceAll(stored, "<br>", "\n"); }

std::string DescriptionForStoring(std::string_view edited) {
  return ReplaceAll(ReplaceAll(edited, "\r\n", "\n"), "\n", "<br>");
}

}  // namespace ovelin

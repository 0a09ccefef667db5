#pragma once
// The rows of the archiving wizard's item list and everything the wizard
// decides about them that is not about widgets: filling a row from a chosen
// item, the merged display of several rows, applying sets and values to rows,
// the destination shown, and the batch built on Finish. No Qt here, so that
// tests check these rules without a window.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "filing/pigeonhole_item.h"
#include "store/file_set_store.h"

namespace ovelin {

/// An item chosen for archiving, as passed from the first page (or from a
/// given batch) to the second.
struct TRANSFER_ITEMSEL_STRUCT {
  std::string Name;
  std::string Url;
  std::string BelongSets;  // ";"-joined
  int Flag = 0;
};

using TransferList = std::vector<TRANSFER_ITEMSEL_STRUCT>;

/// Shown in a column where the selected rows differ.
inline constexpr std::string_view kDifferingText = "～不相同～";
/// Shown as a property value where the selected rows differ; applying it
/// leaves the rows' values as they are.
inline constexpr std::string_view kDifferingValue = "~不相同~";

/// One row of the item list: its columns and its _ExtData record.
struct ItemEditRow {
  std::string name;        // "归档名"
  NameList sets;           // "隶属集", sorted in name order
  std::string pigPathSet;  // "归档路径集"; empty: the file is not moved
  std::string url;
  std::string description;          // line breaks stored as "<br>"
  std::string basePath;             // the move base path; empty for web addresses
  std::vector<std::string> values;  // "name;value" entries

  /// The local path of a "file" URL; nothing for any other address.
  std::optional<std::string> LocalPath() const;
  /// "文件原路径": the local path, or the URL of a web address.
  std::string SourceText() const;
};

/// The transfer records of a given batch (its names, URLs and sets).
TransferList TransfersOf(const PigeonholeBatch& batch);

/// A row for a chosen item: its sets, and when the store already records the
/// URL the stored name, description, values and owning sets (merged into the
/// chosen sets). The base path is the file itself; no store-path set.
ItemEditRow MakeItemRow(const CFileSetStore& store, const TRANSFER_ITEMSEL_STRUCT& transfer);

/// Where the row's file would go: below the store path of its store-path set
/// as the archiving engine computes it; the source path when it has no
/// store-path set; empty for a web address.
std::string RowDestination(const CFileSetStore& store, const ItemEditRow& row);

/// The selected rows seen together.
struct MergedRows {
  std::string name, pigPathSet, sourceText, basePath, destination;  // common value or kDifferingText
  NameList commonSets;                                              // the sets every row has
  std::vector<std::string> values;  // properties every row has; kDifferingValue where they differ
  bool anyWebAddress = false;       // some row is not a local file
};

/// Merges the rows for display; an empty selection gives empty texts.
MergedRows MergeRows(const CFileSetStore& store, const std::vector<const ItemEditRow*>& rows);

/// Replaces each of the row's values whose property `values` names, in place;
/// properties the row lacks and values shown as kDifferingValue change nothing.
void ApplyValues(ItemEditRow& row, const std::vector<std::string>& values);

/// Adds the set to the row's sets (or removes it), then fits the values to the
/// definitions in force for the row's sets: a missing value gets the initial
/// value, a value no set defines any more is dropped; a removed set stops
/// being the row's store-path set. False when the sets'
/// definitions conflict; the sets change all the same, the values do not.
bool ChangeRowSet(const CFileSetStore& store, ItemEditRow& row, const std::string& set, bool add);

/// The batch of the rows, in order; nothing when a row has an empty name.
std::optional<PigeonholeBatch> BuildBatch(const std::vector<ItemEditRow>& rows);

/// A stored description as edited: every "<br>" becomes a line break.
std::string DescriptionForEditing(std::string_view stored);
/// An edited description as stored: every line break ("\r\n" or "\n") becomes "<br>".
std::string DescriptionForStoring(std::string_view edited);

}  // namespace ovelin

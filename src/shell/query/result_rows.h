#pragma once
// The rows of the query result list: one per item, and with a grouping one per
// group (a member of the grouping that shares items with the result) followed by
// the items of no group. Their columns and their order when sorted by a column.

#include <QString>
#include <QStringList>

#include <vector>

#include "store/file_set_store.h"
#include "store/item_list.h"

namespace ovelin {

struct ResultRow {
  bool group = false;
  QString name;       // the item name, or the member text of a group row
  QString typeText;   // the file type, HyperlinkTypeText(), or GroupTypeText()
  QString mimeName;   // the file's MIME type (its icon); empty for other rows
  int count = 0;      // the number of items of a group row; 0 for an item row
  QString path;       // the item's URL
  QString localPath;  // the local path of a "file" URL; empty for other items
  QString description;
  QString sets;  // the sets the item was found in, joined by ";"
  int rank = 0;  // the keyword rank; 0 when the item has none

  bool IsLocalFile() const { return !localPath.isEmpty(); }
  /// The path column: the local path of a file, the URL of anything else.
  const QString& ShownPath() const { return IsLocalFile() ? localPath : path; }
};

enum class ResultColumn { Name, Type, Count, Path, Rank };

/// 名称, 类型, then 包含项目数 when grouped, 路径, then 关键字等级 after a keyword search.
std::vector<ResultColumn> ResultColumns(bool grouped, bool ranked);
/// The column's header text.
QString ColumnTitle(ResultColumn column);
/// The column's initial width in average character widths.
int ColumnWidthInChars(ResultColumn column);

/// The row of one item.
ResultRow ItemRow(const CFileItem& item);

struct GroupingEntry {
  QString key;          // the text before the separating ":"
  QStringList members;  // the texts after it, split at ";"
};

/// Splits "key:member;member;..." at the first ":" and the ";" that stand
/// outside double quotes (members may be conditions with quoted texts).
GroupingEntry SplitGroupingEntry(const QString& entry);

/// The rows of `result`: without a grouping (empty members) one item row per
/// item; with one, a group row for every member whose items share at least one
/// path with the result (a member that fails to evaluate gives none), then an
/// item row for every item of no member.
std::vector<ResultRow> BuildResultRows(const CFileSetStore& store, const ItemList& result, const QStringList& members);

/// The row indexes in the order of a column: item rows before group rows for
/// 包含项目数, group rows first for any other column; names, types and paths in
/// name order, counts and ranks as numbers. Descending reverses the order; ties
/// keep their order.
std::vector<size_t> SortedRowOrder(const std::vector<ResultRow>& rows, ResultColumn column, bool ascending);

}  // namespace ovelin

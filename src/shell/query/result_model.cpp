#include "shell/query/result_model.h"

#include <QIcon>

#include "shell/app/app_icons.h"
#include "shell/query/item_type.h"

namespace ovelin {
namespace {

bool IsNumberColumn(ResultColumn column) { return column == ResultColumn::Count || column == ResultColumn::Rank; }

QIcon RowIcon(const ResultRow& row) {
  if (row.group) return AppIcon(IconId::FileSet);
  return row.IsLocalFile() ? MimeTypeIcon(row.mimeName) : HyperlinkIcon();
}

}  // namespace

ResultModel::ResultModel(QObject* parent) : QAbstractTableModel(parent) {}

void ResultModel::SetRows(std::vector<ResultRow> rows, std::vector<ResultColumn> columns) {
  beginResetModel();
  rows_ = std::move(rows);
  columns_ = std::move(columns);
  endResetModel();
}

void ResultModel::SortBy(int section, bool ascending) {
  if (section < 0 || section >= columnCount()) return;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const std::vector<size_t> order = SortedRowOrder(rows_, columns_[static_cast<size_t>(section)], ascending);
  std::vector<ResultRow> sorted;
  std::vector<int> newRowOf(order.size());
  sorted.reserve(order.size());
  for (size_t at = 0; at < order.size(); ++at) {
    sorted.push_back(std::move(rows_[order[at]]));
    newRowOf[order[at]] = static_cast<int>(at);
  }
  rows_ = std::move(sorted);
  // Selection and current row follow their rows to the new places.
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  for (const QModelIndex& index : before) {
    after.append(this->index(newRowOf[static_cast<size_t>(index.row())], index.column()));
  }
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int ResultModel::SectionOf(ResultColumn column) const {
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (columns_[i] == column) return static_cast<int>(i);
  }
  return -1;
}

int ResultModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResultModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ResultModel::DisplayText(const ResultRow& row, ResultColumn column) const {
  switch (column) {
    case ResultColumn::Name:
      return row.name;
    case ResultColumn::Type:
      return row.typeText;
    case ResultColumn::Count:
      return row.group ? QString::number(row.count) : QString();
    case ResultColumn::Path:
      return row.group ? QString() : row.ShownPath();
    case ResultColumn::Rank:
      return row.group ? QString() : QString::number(row.rank);
  }
  return {};
}

QVariant ResultModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const ResultRow& row = Row(index.row());
  const ResultColumn column = columns_[static_cast<size_t>(index.column())];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
      return DisplayText(row, column);
    case Qt::DecorationRole:
      return column == ResultColumn::Name ? QVariant(RowIcon(row)) : QVariant();
    case Qt::ToolTipRole:
      return column == ResultColumn::Name && !row.description.isEmpty() ? QVariant(row.description) : QVariant();
    case Qt::TextAlignmentRole:
      return IsNumberColumn(column) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
      return {};
  }
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  const ResultColumn column = columns_[static_cast<size_t>(section)];
  if (role == Qt::DisplayRole) return ColumnTitle(column);
  if (role == Qt::TextAlignmentRole && IsNumberColumn(column)) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

}  // namespace ovelin

#pragma once
// The table model behind the query result list: the rows of one drawing in the
// columns of that drawing, sortable by any column.

#include <QAbstractTableModel>

#include <vector>

#include "shell/query/result_rows.h"

namespace ovelin {

class ResultModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ResultModel(QObject* parent = nullptr);

  /// Replaces the rows and columns; no sort column afterwards.
  void SetRows(std::vector<ResultRow> rows, std::vector<ResultColumn> columns);
  /// Sorts by the column at `section`.
  void SortBy(int section, bool ascending);

  const std::vector<ResultRow>& Rows() const { return rows_; }
  const ResultRow& Row(int row) const { return rows_[static_cast<size_t>(row)]; }
  const std::vector<ResultColumn>& Columns() const { return columns_; }
  /// The section of a column; -1 when it is not shown.
  int SectionOf(ResultColumn column) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  QVariant DisplayText(const ResultRow& row, ResultColumn column) const;

  std::vector<ResultRow> rows_;
  std::vector<ResultColumn> columns_;
};

}  // namespace ovelin

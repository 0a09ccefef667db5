#pragma once
// CItemEditList: the items of the archiving wizard's second page, one row
// each with its name, sets, store-path set and source path. The names are
// edited in place; the page changes the selected rows through the operations
// below. A burst of selection changes is reported once, 500 ms after it settles.

#include <QTableWidget>
#include <QTimer>

#include <string>
#include <vector>

#include "shell/filing/item_edit_rows.h"

namespace ovelin {

class CFileSetStore;

/// One description for the description sheet: the item's name and its text.
struct ItemDesInfoType {
  std::string name;
  std::string description;
};

class CItemEditList : public QTableWidget {
  Q_OBJECT
 public:
  explicit CItemEditList(CFileSetStore& store, QWidget* parent = nullptr);

  /// Replaces the rows by one row per chosen item.
  void Fill(const TransferList& transfers);
  /// Every row, in list order.
  const std::vector<ItemEditRow>& Rows() const { return rows_; }
  /// The selected rows' indexes, in list order.
  std::vector<int> SelectedIndexes() const;
  /// The selected rows merged for display.
  MergedRows MergeSelected() const;

  /// Sets the store-path set of the selected rows.
  void SetPigPathSet(const std::string& set);
  /// Sets the base path of the selected rows.
  void SetBasePath(const std::string& basePath);
  /// Adds a set to the selected rows or removes it; false when a row's sets
  /// then have conflicting property definitions.
  bool ChangeSet(const std::string& set, bool add);
  /// Applies the property list's values to the selected rows.
  void ApplyValues(const std::vector<std::string>& values);
  /// The selected rows' names and descriptions.
  std::vector<ItemDesInfoType> Descriptions() const;
  /// Stores edited descriptions into the selected rows, in the same order.
  void SetDescriptions(const std::vector<ItemDesInfoType>& descriptions);
  /// Removes the selected rows with their records.
  void RemoveSelected();
  /// Removes the row at `index`.
  void RemoveRow(int index);

 signals:
  /// The selection settled (500 ms after the last change).
  void selectionSettled();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private slots:
  void nameEdited(QTableWidgetItem* item);

 private:
  void ShowRow(int index);
  template <typename Change>
  void ForSelected(Change change);

  CFileSetStore& store_;
  std::vector<ItemEditRow> rows_;
  QTimer settle_;
  bool filling_ = false;
};

}  // namespace ovelin

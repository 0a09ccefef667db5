#pragma once
// CFileSelectList: the items chosen on the wizard's first page, with their
// names and paths. Each address is listed once.

#include <QSet>
#include <QString>
#include <QTableWidget>

#include "shell/filing/item_edit_rows.h"

namespace ovelin {

class CFileSelectList : public QTableWidget {
  Q_OBJECT
 public:
  explicit CFileSelectList(QWidget* parent = nullptr);

  /// Adds a row for the item unless a row of the same URL exists; true when added.
  bool AddCandidate(const QString& name, const QString& url);
  /// Adds a file or folder chosen in the folder browser: a file, or a folder
  /// with options 1, as one row; any other folder's files (its sub-folders'
  /// too with option 2). Returns the number of rows added.
  int AddShellItem(const QString& path, int options);
  /// The rows in order as transfer records (name, URL).
  TransferList Transfers() const;
  /// "删除选中项目": removes the selected rows.
  void RemoveSelected();
  /// "清空项目列表": removes every row.
  void ClearAll();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QSet<QString> urls_;
};

}  // namespace ovelin

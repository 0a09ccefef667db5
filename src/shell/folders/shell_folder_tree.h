#pragma once
// CShellFolderTree ("文件夹"): the computer's folders as a tree under two roots,
// the home folder and "/". A folder is listed when first needed, so that one
// level below the visible ones is known, and is never listed again.

#include <QIcon>
#include <QTreeWidget>

namespace ovelin {

class CShellFolderTree : public QTreeWidget {
  Q_OBJECT
 public:
  explicit CShellFolderTree(QWidget* parent = nullptr);
  /// Expands the tree down to an absolute folder path and selects it; false
  /// when the path is not a folder the tree shows (missing, hidden, a file).
  bool SelectPath(const QString& path);
  /// The selected folder's path; empty when none is selected.
  QString SelectedPath() const;
  /// The folder path an item of this tree stands for.
  static QString PathOf(const QTreeWidgetItem* item);

 signals:
  /// The selection moved to this folder.
  void folderSelected(const QString& path);

 private:
  QTreeWidgetItem* AddRoot(const QString& path, const QString& text, const QIcon& icon);
  void FillChildren(QTreeWidgetItem* item);
  void FillGrandchildren(QTreeWidgetItem* item);
  QTreeWidgetItem* ChildNamed(QTreeWidgetItem* item, const QString& name);
  void SelectionMoved(QTreeWidgetItem* current, QTreeWidgetItem* previous);

  QIcon folderIcon_;
};

}  // namespace ovelin

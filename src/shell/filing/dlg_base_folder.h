#pragma once
// CDlgBaseFolder ("基准文件夹选择"): the base path as a chain of folders, one
// node per piece, so that the base folder can only be the path itself or one
// of the folders above it.

#include <QDialog>

class QTreeWidget;

namespace ovelin {

class CDlgBaseFolder : public QDialog {
  Q_OBJECT
 public:
  /// Shows the pieces of the absolute path `basePath`, the last one selected.
  explicit CDlgBaseFolder(const QString& basePath, QWidget* parent = nullptr);

  /// The path from the top node ("/") down to the selected node.
  QString Path() const;
  /// Selects the node at that depth (0 is "/").
  void SelectDepth(int depth);

 private:
  QTreeWidget* tree_;
};

}  // namespace ovelin

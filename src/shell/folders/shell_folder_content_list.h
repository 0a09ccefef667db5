#pragma once
// CShellFolderContentList ("文件夹内容"): the entries of one folder, sub-folders
// first, from which the user chooses files and folders to add as items.

#include <QFileIconProvider>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QListWidget>

class QMenu;

namespace ovelin {

class CShellFolderContentList : public QListWidget {
  Q_OBJECT
 public:
  explicit CShellFolderContentList(QWidget* parent = nullptr);
  /// Lists the folder's sub-folders, then its other entries, each group in name
  /// order; hidden entries are left out. A folder that cannot be read shows an
  /// empty list.
  void ShowFolder(const QString& path);
  /// The folder shown; empty before the first one.
  QString CurrentFolder() const;
  /// The full path of the entry in that row; empty when there is none.
  QString PathAt(int row) const;
  /// Adds the entries of the rows in the order given: a file with options 1, a
  /// folder with the options chosen in the folder-loading dialog (skipped when
  /// that is cancelled). Entries gone since the listing are skipped.
  void AddItems(const QList<int>& rows);
  /// Adds every selected entry, in list order.
  void AddSelected();
  /// Opens every selected entry with the desktop's handler.
  void OpenSelected();
  /// The menu of the selection ("添加文件项目", a separator, "打开"), owned by
  /// `parent`; shown by a right click on an entry.
  QMenu* CreateContextMenu(QWidget* parent);

 signals:
  /// The user chose to add this file or folder, with these folder-loading options.
  void addShellItem(const QString& path, int options);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QList<int> SelectedRows() const;
  QIcon IconOf(const QString& path, bool folder);
  void PopUpMenu(const QPoint& globalPos);

  QString folder_;
  QFileIconProvider icons_;
  QHash<QString, QIcon> iconBySuffix_;
};

}  // namespace ovelin

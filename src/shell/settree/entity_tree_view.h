#pragma once
// CEntityTreeView: the graph of entity file sets drawn as a tree from the root
// set down. A set with several parents appears under each of them; children are
// in name order and are built when their parent is expanded. Sets are created,
// edited, removed and found here, and a set's contents are sent to the query panel.

#include <QHash>
#include <QIcon>
#include <QString>

#include "shell/settree/set_tree_widget.h"

namespace ovelin {

class CFileSetStore;
struct SetDialogData;

class CEntityTreeView : public SetTreeWidget {
  Q_OBJECT
 public:
  explicit CEntityTreeView(CFileSetStore& store, QWidget* parent = nullptr);

  /// Rebuilds the tree from the store (the root and its children) and selects the root.
  void Rebuild();
  /// Shows a newly created set under every built occurrence of each of its parents.
  void InsertNewSet(const QString& name);
  /// The selected set's name; empty when nothing is selected.
  QString SelectedName() const;
  /// A set other than the root is selected.
  bool CanRemoveSet() const;
  /// "相关查询制导" can run: a set is selected.
  bool GuidanceAvailable() const;

 public slots:
  /// "相关查询制导" for the selected set; on OK the narrowed query is sent to run.
  void requestGuidance();
  /// "新建实体集": a child of the selected set through the set dialog.
  void newSet();
  /// "移除实体集": removes the selected set (never the root) after confirmation.
  void removeSet();
  /// "实体文件集查找": asks for a name and selects the next match.
  void findSet();
  /// "属性": edits the selected set through the set dialog.
  void setProperties();
  /// "创建快捷视图集": a view set named after the set, showing the set.
  void quickViewSet();
  /// "打开归档路径": opens the set's store path, creating it when missing.
  void openStorePath();
  /// "导出该分支模板": exports the selected set and its subtree as a template.
  void exportBranch();

 signals:
  /// A query for the main window to run: the text (expression, or expression
  /// ";" keywords) and the combine mode (0 show, 1 and, 2 or, 3 except).
  void runQuery(const QString& text, int mode);
  /// A view set was added (the view set list reloads).
  void viewSetsChanged();
  /// "导入模板" was chosen.
  void importTemplateRequested();
  /// "文件归档" was chosen.
  void archiveRequested();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void PrepareItem(QTreeWidgetItem* item) override;

 private slots:
  void selectionMoved(QTreeWidgetItem* current, QTreeWidgetItem* previous);
  void runSelected(int mode);

 private:
  void BuildMenu();
  void UpdateMenu();
  void ReinsertSet(const QString& name);
  void RemoveItemsNamed(const QString& name);
  void ApplyProperties(const QString& name, const SetDialogData& edited);

  QIcon setIcon_;
  QMenu* menu_;
  QHash<int, QAction*> actions_;
  QString lastFind_;
};

}  // namespace ovelin

#pragma once
// CFileSetCheckTreeCtrl: every set as a tree with check boxes, used by dialogs
// to pick sets. Children appear in the order the store lists them; ticking one
// occurrence of a set ticks all its occurrences.

#include <QString>
#include <QTreeWidget>

#include "store/name_list.h"

namespace ovelin {

class CFileSetStore;

class CFileSetCheckTreeCtrl : public QTreeWidget {
  Q_OBJECT
 public:
  explicit CFileSetCheckTreeCtrl(CFileSetStore& store, QWidget* parent = nullptr);

  /// Fills the tree from the root set down and checks the given names.
  void Build(const NameList& checked);
  /// Clears every check, collapses the tree, then checks the named sets and
  /// expands their ancestors so that each checked occurrence is visible.
  void SetCheckedNames(const NameList& names);
  /// The checked sets, each set represented by its checked descendants when it
  /// has any; each name once, sorted in name order.
  NameList CheckedNames() const;
  /// The same, with `flag` standing in for the check state of every item named `name`.
  NameList CheckedNames(const QString& name, bool flag) const;
  /// Selects the next set whose name contains `text` (no wrap-around); tells the
  /// user and returns false when none follows.
  bool FindNext(const QString& text);

 public slots:
  /// "查找文件集": asks for a name and selects the next match.
  void findSet();
  /// "新建子文件集": creates a child of the selected set (the root when none) and saves.
  void newChildSet();

 signals:
  /// The user ticked or cleared a set (check state of all its occurrences).
  void setCheckChanged(const QString& name, bool checked);
  /// A child set was created here; other trees should show it too.
  void setCreated(const QString& name);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private slots:
  void synchroniseCheck(QTreeWidgetItem* item, int column);

 private:
  QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const QString& name);
  void AddChildren(QTreeWidgetItem* item);

  CFileSetStore& store_;
  QString lastFind_;
  bool synchronising_ = false;
};

}  // namespace ovelin

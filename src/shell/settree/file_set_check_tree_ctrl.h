#pragma once
// CFileSetCheckTreeCtrl: every set as a tree with check boxes, used by dialogs
// to pick sets. Children appear in the order the store lists them and are built
// when their parent is expanded. The checked sets are kept by name, so ticking
// one occurrence of a set ticks all its occurrences, those built later too.

#include <QString>

#include <set>
#include <string>

#include "shell/settree/set_tree_widget.h"

namespace ovelin {

class CFileSetStore;

class CFileSetCheckTreeCtrl : public SetTreeWidget {
  Q_OBJECT
 public:
  explicit CFileSetCheckTreeCtrl(CFileSetStore& store, QWidget* parent = nullptr);

  /// Builds the tree from the root set down and checks the given names.
  void Build(const NameList& checked);
  /// Clears every check, collapses the tree, then checks the named sets and
  /// expands one path to each of them.
  void SetCheckedNames(const NameList& names);
  /// The checked sets, each set represented by its checked descendants when it
  /// has any; each name once, sorted in name order.
  NameList CheckedNames() const;
  /// The same, with `flag` standing in for the check state of every item named `name`.
  NameList CheckedNames(const QString& name, bool flag) const;
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
  void PrepareItem(QTreeWidgetItem* item) override;

 private slots:
  void synchroniseCheck(QTreeWidgetItem* item, int column);

 private:
  NameList DeepestChecked(const std::set<std::string>& checked) const;
  void ShowCheckStates();

  std::set<std::string> checked_;
  QString lastFind_;
  bool synchronising_ = false;
};

}  // namespace ovelin

#pragma once
// SetTreeWidget: what the trees of sets share. The set graph unfolds into a
// tree in which a set appears under each of its parents, which can make
// exponentially many items; so an item's children are built only when the item
// is first expanded (or a path through it is revealed). Until then an item whose
// set has children shows the expand indicator. Walks that look for sets use the
// set graph, never the built items.

#include <QList>
#include <QString>
#include <QTreeWidget>

#include "store/name_list.h"

namespace ovelin {

class CFileSetStore;

class SetTreeWidget : public QTreeWidget {
  Q_OBJECT
 public:
  /// `sorted`: children in name order; otherwise in the order the store lists them.
  SetTreeWidget(CFileSetStore& store, bool sorted, QWidget* parent = nullptr);

  /// Empties the tree and builds the root set's item and its children; null
  /// when the document has no root set.
  QTreeWidgetItem* BuildRoot();
  /// Builds the children of `item` once; a set already on the path from the top
  /// is left out (a damaged file with a parent cycle must not make the tree endless).
  void FillChildren(QTreeWidgetItem* item);
  /// Expands the first path from the root set to the set, building the items on
  /// the way; the set's item there, or null when the set is not in the tree.
  QTreeWidgetItem* RevealSet(const QString& name);
  /// Reveals the set and makes its item the current one; false when it is not in the tree.
  bool SelectSet(const QString& name);
  /// Selects the next set after the selected one, in the order a walk down the
  /// tree first meets each set, whose name contains `text` ignoring letter case
  /// (no wrap-around); tells the user and returns false when none follows.
  bool FindNext(const QString& text);
  /// Shows the set `name` under every built item of each of `parents` and
  /// expands those items; the set's items below them.
  QList<QTreeWidgetItem*> ShowUnderParents(const QString& name, const NameList& parents);

 protected:
  /// Gives a newly built item what this kind of tree shows (icon, check box).
  virtual void PrepareItem(QTreeWidgetItem* item);

  CFileSetStore& store_;

 private:
  QTreeWidgetItem* AddChild(QTreeWidgetItem* parent, const QString& name);
  QTreeWidgetItem* ChildNamed(QTreeWidgetItem* item, const QString& name);
  NameList ChildSets(const std::string& name) const;
  NameList SetsInTreeOrder() const;

  bool sorted_;
};

}  // namespace ovelin

#pragma once
// CDlgPathGuid: "相关查询制导". Shows the places of the related sets in the set
// graph as a small tree; each set can be marked intersect or except, and the
// marks narrow the starting operand into a query expression.

#include <QDialog>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>

#include "shell/guidance/guidance_expression.h"

class QLabel;
class QLineEdit;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace ovelin {

class CDlgPathGuid : public QDialog {
  Q_OBJECT
 public:
  /// Builds the tree from the set paths ("/Root/A/B") and says how many were left
  /// out; `expression` is the operand to narrow; every set starts unmarked.
  CDlgPathGuid(const GuidancePaths& places, const QString& expression, const QString& keywords,
               QWidget* parent = nullptr);

  /// The expression the marks make (the text of "查询表达式:").
  QString Expression() const;
  /// The text of "搜索关键字:".
  QString Keywords() const;
  /// The tree of related sets.
  QTreeWidget* Tree() const { return tree_; }
  /// The context menu of the tree's items.
  QMenu* ContextMenu() const { return menu_; }
  /// The line that says how many paths were left out; null when none were.
  QLabel* LeftOutNote() const { return leftOutNote_; }
  /// An item's mark.
  static GuidanceMark MarkOf(const QTreeWidgetItem* item);
  /// Where the item's mark picture lies in the tree's viewport.
  QRect MarkRect(const QTreeWidgetItem* item) const;

 public slots:
  /// Advances the item's mark (unmarked, intersect, except) at every place of its set.
  void advanceMark(QTreeWidgetItem* item);
  /// "文件集查找": asks for a name and selects the next set whose name contains it.
  void findSet();
  /// "反选所有直接子结点": marks every direct child of the selected set except.
  void exceptChildren();
  /// "清除子结点选中状态": clears the marks of every set below the selected one.
  void clearBelow();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenu();
  void AddItems(QTreeWidgetItem* parent, const std::vector<GuidanceNode>& nodes);
  void SetMark(const QString& name, GuidanceMark mark);
  void UpdateExpression();
  void ShowMenu(const QPoint& at);

  QString base_;
  std::array<QIcon, 3> pictures_;  // by mark, unmarked first
  QString lastFind_;
  QHash<QString, QList<QTreeWidgetItem*>> itemsByName_;
  QTreeWidget* tree_;
  QLineEdit* expression_;
  QLineEdit* keywords_;
  QMenu* menu_;
  QLabel* leftOutNote_ = nullptr;
};

}  // namespace ovelin

#include "shell/settree/file_set_check_tree_ctrl.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>

#include <functional>

#include "shell/app/command_ids.h"
#include "shell/app/message_box.h"
#include "shell/app/qt_text.h"
#include "shell/settree/dlg_find_file_set.h"
#include "shell/settree/dlg_new_child_set.h"
#include "shell/settree/set_tree_items.h"
#include "store/file_set_store.h"

namespace ovelin {
namespace {

bool IsChecked(const QTreeWidgetItem* item) { return item->checkState(0) == Qt::Checked; }

// A set is collected when it is checked and nothing below it was collected; the
// result tells whether anything in this subtree was collected.
bool Collect(const QTreeWidgetItem* item, const QString& overrideName, bool flag, bool useOverride, NameList& out) {
  bool below = false;
  for (int i = 0; i < item->childCount(); ++i) below |= Collect(item->child(i), overrideName, flag, useOverride, out);
  if (below) return true;
  const bool checked = useOverride && item->text(0) == overrideName ? flag : IsChecked(item);
  if (!checked) return false;
  InsertName(out, ToStd(item->text(0)));
  return true;
}

void ForEachItem(QTreeWidgetItem* item, const std::function<void(QTreeWidgetItem*)>& action) {
  action(item);
  for (int i = 0; i < item->childCount(); ++i) ForEachItem(item->child(i), action);
}

}  // namespace

CFileSetCheckTreeCtrl::CFileSetCheckTreeCtrl(CFileSetStore& store, QWidget* parent)
    : QTreeWidget(parent), store_(store) {
  setHeaderHidden(true);
  setColumnCount(1);
  setAccessibleName(QStringLiteral("父文件集"));
  connect(this, &QTreeWidget::itemChanged, this, &CFileSetCheckTreeCtrl::synchroniseCheck);
}

QTreeWidgetItem* CFileSetCheckTreeCtrl::AddItem(QTreeWidgetItem* parent, const QString& name) {
  QTreeWidgetItem* item = parent ? AppendChild(parent, name) : new QTreeWidgetItem(this, QStringList{name});
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(0, Qt::Unchecked);
  return item;
}

void CFileSetCheckTreeCtrl::AddChildren(QTreeWidgetItem* item) {
  for (const auto& child : store_.GetChilds(ToStd(item->text(0)))) {
    const QString name = ToQ(child);
    bool onPath = false;
    for (QTreeWidgetItem* at = item; at && !onPath; at = at->parent()) onPath = at->text(0) == name;
    if (onPath) continue;  // a damaged file with a parent cycle
    AddChildren(AddItem(item, name));
  }
}

void CFileSetCheckTreeCtrl::Build(const NameList& checked) {
  synchronising_ = true;
  clear();
  const std::string root = store_.GetRootName();
  if (!root.empty()) AddChildren(AddItem(nullptr, ToQ(root)));
  synchronising_ = false;
  SetCheckedNames(checked);
}

void CFileSetCheckTreeCtrl::SetCheckedNames(const NameList& names) {
  QTreeWidgetItem* root = topLevelItem(0);
  if (!root) return;
  synchronising_ = true;
  ForEachItem(root, [](QTreeWidgetItem* item) { item->setCheckState(0, Qt::Unchecked); });
  collapseAll();
  root->setExpanded(true);
  ForEachItem(root, [&](QTreeWidgetItem* item) {
    if (!ContainsName(names, ToStd(item->text(0)))) return;
    item->setCheckState(0, Qt::Checked);
    ExpandAncestors(item);
  });
  synchronising_ = false;
}

NameList CFileSetCheckTreeCtrl::CheckedNames() const {
  NameList names;
  if (const QTreeWidgetItem* root = topLevelItem(0)) Collect(root, {}, false, false, names);
  return names;
}

NameList CFileSetCheckTreeCtrl::CheckedNames(const QString& name, bool flag) const {
  NameList names;
  if (const QTreeWidgetItem* root = topLevelItem(0)) Collect(root, name, flag, true, names);
  return names;
}

void CFileSetCheckTreeCtrl::synchroniseCheck(QTreeWidgetItem* item, int column) {
  if (synchronising_ || column != 0) return;
  const Qt::CheckState state = item->checkState(0);
  synchronising_ = true;
  for (QTreeWidgetItem* same : ItemsNamed(this, item->text(0))) same->setCheckState(0, state);
  synchronising_ = false;
  emit setCheckChanged(item->text(0), state == Qt::Checked);
}

bool CFileSetCheckTreeCtrl::FindNext(const QString& text) {
  return SelectNextContaining(this, text);
}

void CFileSetCheckTreeCtrl::findSet() {
  CDlgFindFileSet dialog(lastFind_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  lastFind_ = dialog.Text();
  FindNext(lastFind_);
}

void CFileSetCheckTreeCtrl::newChildSet() {
  CDlgNewChildSet dialog(this);
  if (dialog.exec() != QDialog::Accepted || dialog.Name().trimmed().isEmpty()) return;
  const QString name = dialog.Name();
  const QString parent = currentItem() ? currentItem()->text(0) : ToQ(store_.GetRootName());
  if (store_.FindFileSet(ToStd(name))) {
    ShowWarning(this, QStringLiteral("同名文件集已存在！"));
    return;
  }
  if (!store_.CreateFileSet(ToStd(name), {ToStd(parent)}, "", StorePathKind::ExParent, {})) {
    ShowWarning(this, QStringLiteral("创建文件集失败，请检查名称是否正确！"));
    return;
  }
  SaveStore(this, store_);
  QTreeWidgetItem* first = nullptr;
  synchronising_ = true;
  for (QTreeWidgetItem* occurrence : ItemsNamed(this, parent)) {
    QTreeWidgetItem* added = AddItem(occurrence, name);
    occurrence->setExpanded(true);
    if (!first) first = added;
  }
  synchronising_ = false;
  if (first) setCurrentItem(first);
  emit setCreated(name);
}

void CFileSetCheckTreeCtrl::contextMenuEvent(QContextMenuEvent* event) {
  QTreeWidgetItem* item = itemAt(viewport()->mapFromGlobal(event->globalPos()));
  if (!item) return;
  setCurrentItem(item);
  QMenu menu(this);
  QAction* find = menu.addAction(QStringLiteral("查找文件集\tCtrl+F"), this, &CFileSetCheckTreeCtrl::findSet);
  find->setData(kCmdCheckTreeFind);
  QAction* child = menu.addAction(QStringLiteral("新建子文件集"), this, &CFileSetCheckTreeCtrl::newChildSet);
  child->setData(kCmdCheckTreeNewChild);
  menu.exec(event->globalPos());
}

bool CFileSetCheckTreeCtrl::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QTreeWidget::viewportEvent(event);
  ShowNoteTooltip(this, store_, event);
  return true;
}

}  // namespace ovelin

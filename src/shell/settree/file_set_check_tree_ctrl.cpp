#include "shell/settree/file_set_check_tree_ctrl.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>

#include <algorithm>
#include <utility>

#include "base/messages.h"
#include "shell/app/command_ids.h"
#include "shell/app/message_box.h"
#include "shell/app/qt_text.h"
#include "shell/settree/dlg_find_file_set.h"
#include "shell/settree/dlg_new_child_set.h"
#include "shell/settree/set_tree_items.h"
#include "store/file_set_store.h"

namespace ovelin {

CFileSetCheckTreeCtrl::CFileSetCheckTreeCtrl(CFileSetStore& store, QWidget* parent)
    : SetTreeWidget(store, false, parent) {
  setAccessibleName(tr("父文件集"));
  connect(this, &QTreeWidget::itemChanged, this, &CFileSetCheckTreeCtrl::synchroniseCheck);
}

void CFileSetCheckTreeCtrl::PrepareItem(QTreeWidgetItem* item) {
  const bool wasSynchronising = std::exchange(synchronising_, true);
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(0, checked_.count(ToStd(item->text(0))) ? Qt::Checked : Qt::Unchecked);
  synchronising_ = wasSynchronising;
}

void CFileSetCheckTreeCtrl::Build(const NameList& checked) {
  checked_ = {checked.begin(), checked.end()};
  BuildRoot();
  SetCheckedNames(checked);
}

void CFileSetCheckTreeCtrl::ShowCheckStates() {
  synchronising_ = true;
  for (QTreeWidgetItem* at = topLevelItem(0); at; at = NextInDisplayOrder(at)) {
    at->setCheckState(0, checked_.count(ToStd(at->text(0))) ? Qt::Checked : Qt::Unchecked);
  }
  synchronising_ = false;
}

void CFileSetCheckTreeCtrl::SetCheckedNames(const NameList& names) {
  QTreeWidgetItem* root = topLevelItem(0);
  if (!root) return;
  checked_ = {names.begin(), names.end()};
  ShowCheckStates();
  collapseAll();
  root->setExpanded(true);
  for (const auto& name : checked_) RevealSet(ToQ(name));
}

NameList CFileSetCheckTreeCtrl::DeepestChecked(const std::set<std::string>& checked) const {
  // A checked set is represented by its checked descendants when it has any.
  NameList names;
  for (const auto& name : checked) {
    if (!store_.FindFileSet(name)) continue;
    const bool checkedBelow = std::any_of(checked.begin(), checked.end(), [&](const std::string& other) {
      return other != name && store_.IsDescendant(other, name);
    });
    if (!checkedBelow) names.push_back(name);  // the set's order is name order
  }
  return names;
}

NameList CFileSetCheckTreeCtrl::CheckedNames() const { return DeepestChecked(checked_); }

NameList CFileSetCheckTreeCtrl::CheckedNames(const QString& name, bool flag) const {
  std::set<std::string> checked = checked_;
  if (flag) {
    checked.insert(ToStd(name));
  } else {
    checked.erase(ToStd(name));
  }
  return DeepestChecked(checked);
}

void CFileSetCheckTreeCtrl::synchroniseCheck(QTreeWidgetItem* item, int column) {
  if (synchronising_ || column != 0) return;
  const Qt::CheckState state = item->checkState(0);
  const std::string name = ToStd(item->text(0));
  // Other changes of an item (its text, its children being built) leave the checks alone.
  if ((state == Qt::Checked) == (checked_.count(name) > 0)) return;
  if (state == Qt::Checked) {
    checked_.insert(name);
  } else {
    checked_.erase(name);
  }
  synchronising_ = true;
  for (QTreeWidgetItem* same : ItemsNamed(this, item->text(0))) same->setCheckState(0, state);
  synchronising_ = false;
  emit setCheckChanged(item->text(0), state == Qt::Checked);
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
    ShowWarning(this, tr("同名文件集已存在！"));
    return;
  }
  if (!store_.CreateFileSet(ToStd(name), {ToStd(parent)}, "", StorePathKind::ExParent, {})) {
    ShowWarning(this, ToQ(MessageText(MessageId::CreateSetFailed)));
    return;
  }
  SaveStore(this, store_);
  const QList<QTreeWidgetItem*> shown = ShowUnderParents(name, {ToStd(parent)});
  if (!shown.isEmpty()) setCurrentItem(shown.constFirst());
  emit setCreated(name);
}

void CFileSetCheckTreeCtrl::contextMenuEvent(QContextMenuEvent* event) {
  QTreeWidgetItem* item = itemAt(viewport()->mapFromGlobal(event->globalPos()));
  if (!item) return;
  setCurrentItem(item);
  QMenu menu(this);
  QAction* find = menu.addAction(tr("查找文件集\tCtrl+F"), this, &CFileSetCheckTreeCtrl::findSet);
  find->setData(kCmdCheckTreeFind);
  QAction* child = menu.addAction(tr("新建子文件集"), this, &CFileSetCheckTreeCtrl::newChildSet);
  child->setData(kCmdCheckTreeNewChild);
  menu.exec(event->globalPos());
}

bool CFileSetCheckTreeCtrl::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QTreeWidget::viewportEvent(event);
  ShowNoteTooltip(this, store_, event);
  return true;
}

}  // namespace ovelin

#include "shell/viewlist/view_list.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "base/text_order.h"
#include "query/view_sets.h"
#include "shell/app/app_icons.h"
#include "shell/app/command_ids.h"
#include "shell/app/message_box.h"
#include "shell/app/qt_text.h"
#include "shell/app/reference_warning.h"
#include "shell/guidance/related_query_guidance.h"
#include "shell/viewlist/dlg_del_view_set_option.h"
#include "shell/viewlist/dlg_view_set_def.h"

namespace ovelin {

CViewList::CViewList(CFileSetStore& store, QWidget* parent)
    : QListWidget(parent), store_(store), menu_(new QMenu(this)) {
  setViewMode(QListView::IconMode);
  setIconSize(QSize(16, 16));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setMovement(QListView::Static);
  setResizeMode(QListView::Adjust);
  setWrapping(true);
  setAccessibleName(tr("视图集"));
  BuildMenu();
  connect(this, &QListWidget::itemDoubleClicked, this, [this] { RunSelected(kQueryShow); });
  Reload();
}

void CViewList::BuildMenu() {
  auto add = [this](int id, const QString& text, auto slot) {
    QAction* action = menu_->addAction(text, this, slot);
    action->setData(id);
    actions_.insert(id, action);
    return action;
  };
  add(kCmdViewShow, tr("显示视图集内容"), [this] { RunSelected(kQueryShow); });
  add(kCmdViewAnd, tr("与当前内容:并且"), [this] { RunSelected(kQueryAnd); })->setIcon(AppIcon(IconId::And));
  add(kCmdViewOr, tr("与当前内容:或者"), [this] { RunSelected(kQueryOr); })->setIcon(AppIcon(IconId::Or));
  add(kCmdViewExcept, tr("从当前内容:除去"), [this] { RunSelected(kQueryExcept); })->setIcon(AppIcon(IconId::Except));
  add(kCmdViewGuidance, tr("相关查询制导"), [this] { requestGuidance(); })->setIcon(AppIcon(IconId::Guidance));
  add(kCmdViewNew, tr("新建视图集"), [this] { newViewSet(); });
  add(kCmdViewDelete, tr("删除视图集"), [this] { deleteViewSet(); });
  add(kCmdViewProperties, tr("属性"), [this] { editViewSet(); });
}

void CViewList::Reload() {
  clear();
  const QIcon icon = AppIcon(IconId::ViewSet);
  for (const auto& name : ListViewSetNames(store_)) addItem(new QListWidgetItem(icon, ToQ(name)));
}

QString CViewList::SelectedName() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? QString() : selected.constFirst()->text();
}

bool CViewList::GuidanceAvailable() const { return !SelectedName().isEmpty(); }

void CViewList::requestGuidance() {
  const QString name = SelectedName();
  if (name.isEmpty()) return;
  if (const auto chosen = RunGuidanceForName(store_, name, this)) emit runQuery(GuidanceQueryText(*chosen), kQueryShow);
}

void CViewList::InsertSorted(const QString& name) {
  const std::string key = ToStd(name);
  int at = 0;
  while (at < count() && !NameLess(key, ToStd(item(at)->text()))) ++at;
  insertItem(at, new QListWidgetItem(AppIcon(IconId::ViewSet), name));
  setCurrentRow(at);
}

void CViewList::RunSelected(int mode) {
  const QString name = SelectedName();
  if (!name.isEmpty()) emit runQuery(name, mode);
}

void CViewList::newViewSet() {
  CDlgViewSetDef dialog({}, {}, this);
  if (dialog.exec() != QDialog::Accepted) return;
  // "新增视图集失败，...", then which of the name, the expression or the save failed.
  if (CheckResult added = AddViewSet(store_, ToStd(dialog.Name()), ToStd(dialog.Expression())); !added) {
    ShowCheckFailure(this, added);
    return;
  }
  InsertSorted(dialog.Name());
}

void CViewList::deleteViewSet() {
  const QString name = SelectedName();
  if (name.isEmpty()) return;
  CDlgDelViewSetOption dialog(name, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (CheckResult deleted = DeleteViewSet(store_, ToStd(name)); !deleted) {
    ShowCheckFailure(this, deleted);  // "删除视图集失败！"
    return;
  }
  delete selectedItems().constFirst();
  WarnAboutReferences(this, store_, name);
}

void CViewList::editViewSet() {
  const QList<QListWidgetItem*> selected = selectedItems();
  if (selected.isEmpty()) return;
  QListWidgetItem* row = selected.constFirst();
  const QString name = row->text();
  CDlgViewSetDef dialog(name, ToQ(GetViewSetExpression(store_, ToStd(name))), this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (CheckResult updated = UpdateViewSetExpression(store_, ToStd(name), ToStd(dialog.Expression())); !updated) {
    ShowCheckFailure(this, updated);  // "表达式语法错误，请检查！"
  }
  if (dialog.Name() == name) return;
  if (CheckResult renamed = RenameViewSet(store_, ToStd(name), ToStd(dialog.Name())); !renamed) {
    ShowCheckFailure(this, renamed);  // "名称错误，请检查！"
    return;
  }
  row->setText(dialog.Name());
}

void CViewList::contextMenuEvent(QContextMenuEvent* event) {
  // A right click selects the row under the cursor; on empty space nothing is selected.
  QListWidgetItem* row = itemAt(viewport()->mapFromGlobal(event->globalPos()));
  if (row) {
    setCurrentItem(row);
  } else {
    clearSelection();
    setCurrentItem(nullptr);
  }
  const bool selected = row != nullptr;
  for (auto it = actions_.cbegin(); it != actions_.cend(); ++it)
    it.value()->setVisible(selected || it.key() == kCmdViewNew);
  menu_->exec(event->globalPos());
}

void CViewList::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete) {
    deleteViewSet();
    return;
  }
  QListWidget::keyPressEvent(event);
}

}  // namespace ovelin

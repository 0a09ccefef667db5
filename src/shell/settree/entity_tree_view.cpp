#include "shell/settree/entity_tree_view.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QToolTip>

#include "shell/app/app_icons.h"
#include "shell/app/command_ids.h"
#include "shell/app/message_box.h"
#include "shell/app/qt_text.h"
#include "shell/app/template_commands.h"
#include "shell/guidance/related_query_guidance.h"
#include "shell/settree/set_tree_items.h"
#include "store/file_set_store.h"

namespace ovelin {

CEntityTreeView::CEntityTreeView(CFileSetStore& store, QWidget* parent)
    : SetTreeWidget(store, true, parent), setIcon_(AppIcon(IconId::FileSet)), menu_(new QMenu(this)) {
  setAccessibleName(tr("实体文件集"));
  setRootIsDecorated(true);
  setExpandsOnDoubleClick(false);
  setDragEnabled(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  BuildMenu();
  connect(this, &QTreeWidget::currentItemChanged, this, &CEntityTreeView::selectionMoved);
  connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    if (item) emit runQuery(item->text(0), kQueryShow);
  });
  Rebuild();
}

void CEntityTreeView::BuildMenu() {
  auto add = [this](int id, const QString& text, auto slot, IconId icon = IconId::Application, bool withIcon = false) {
    QAction* action = menu_->addAction(text, this, slot);
    action->setData(id);
    if (withIcon) action->setIcon(AppIcon(icon));
    actions_.insert(id, action);
  };
  add(kCmdTreeShow, tr("显示实体集内容"), [this] { runSelected(kQueryShow); });
  add(
      kCmdTreeAnd, tr("与当前内容:并且"), [this] { runSelected(kQueryAnd); }, IconId::And, true);
  add(
      kCmdTreeOr, tr("与当前内容:或者"), [this] { runSelected(kQueryOr); }, IconId::Or, true);
  add(
      kCmdTreeExcept, tr("从当前内容:除去"), [this] { runSelected(kQueryExcept); }, IconId::Except, true);
  add(
      kCmdTreeGuidance, tr("相关查询制导"), [this] { requestGuidance(); }, IconId::Guidance, true);
  menu_->addSeparator();
  add(kCmdTreeFind, tr("实体文件集查找\tCtrl+F"), [this] { findSet(); });
  add(kCmdTreeNewSet, tr("新建实体集"), [this] { newSet(); });
  add(kCmdTreeRemoveSet, tr("移除实体集\tDelete"), [this] { removeSet(); });
  add(kCmdTreeQuickViewSet, tr("创建快捷视图集"), [this] { quickViewSet(); });
  menu_->addSeparator();
  add(kCmdTreeArchive, tr("文件归档"), [this] { emit archiveRequested(); });
  add(kCmdTreeOpenStorePath, tr("打开归档路径"), [this] { openStorePath(); });
  add(kCmdTreeExportBranch, tr("导出该分支模板"), [this] { exportBranch(); });
  add(kCmdTreeImportTemplate, tr("导入模板"), [this] { emit importTemplateRequested(); });
  menu_->addSeparator();
  add(kCmdTreeProperties, tr("属性"), [this] { setProperties(); });
}

void CEntityTreeView::UpdateMenu() {
  // Entries whose work is done elsewhere are offered only when someone does it.
  const bool archive = isSignalConnected(QMetaMethod::fromSignal(&CEntityTreeView::archiveRequested));
  const bool guidance = GuidanceAvailable();
  const bool import = isSignalConnected(QMetaMethod::fromSignal(&CEntityTreeView::importTemplateRequested));
  actions_[kCmdTreeRemoveSet]->setEnabled(CanRemoveSet());
  actions_[kCmdTreeArchive]->setEnabled(archive);
  actions_[kCmdTreeGuidance]->setEnabled(guidance);
  actions_[kCmdTreeExportBranch]->setEnabled(TemplatesAvailable());
  actions_[kCmdTreeImportTemplate]->setEnabled(import && TemplatesAvailable());
}

void CEntityTreeView::PrepareItem(QTreeWidgetItem* item) { item->setIcon(0, setIcon_); }

void CEntityTreeView::Rebuild() {
  QTreeWidgetItem* rootItem = BuildRoot();
  if (!rootItem) return;
  rootItem->setIcon(0, AppIcon(IconId::RootSet));
  setCurrentItem(rootItem);
}

void CEntityTreeView::InsertNewSet(const QString& name) { ShowUnderParents(name, store_.GetParents(ToStd(name))); }

bool CEntityTreeView::GuidanceAvailable() const { return currentItem() != nullptr; }

void CEntityTreeView::requestGuidance() {
  if (!currentItem()) return;
  if (const auto chosen = RunGuidanceForName(store_, currentItem()->text(0), this)) {
    emit runQuery(GuidanceQueryText(*chosen), kQueryShow);
  }
}

QString CEntityTreeView::SelectedName() const { return currentItem() ? currentItem()->text(0) : QString(); }

bool CEntityTreeView::CanRemoveSet() const { return currentItem() && currentItem()->parent(); }

void CEntityTreeView::selectionMoved(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
  // Going back up to an ancestor leaves the tree as it is.
  if (!current || IsAncestorOf(current, previous)) return;
  current->setExpanded(true);
}

void CEntityTreeView::runSelected(int mode) {
  if (currentItem()) emit runQuery(currentItem()->text(0), mode);
}

void CEntityTreeView::RemoveItemsNamed(const QString& name) {
  const QList<QTreeWidgetItem*> items = ItemsNamed(this, name);
  qDeleteAll(items);
}

void CEntityTreeView::ReinsertSet(const QString& name) {
  RemoveItemsNamed(name);
  InsertNewSet(name);
}

void CEntityTreeView::contextMenuEvent(QContextMenuEvent* event) {
  QTreeWidgetItem* item = itemAt(viewport()->mapFromGlobal(event->globalPos()));
  if (!item) return;
  setCurrentItem(item);
  UpdateMenu();
  menu_->exec(event->globalPos());
}

void CEntityTreeView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Delete:
      removeSet();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      runSelected(kQueryShow);
      return;
    default:
      QTreeWidget::keyPressEvent(event);
  }
}

bool CEntityTreeView::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QTreeWidget::viewportEvent(event);
  ShowNoteTooltip(this, store_, event);
  return true;
}

}  // namespace ovelin

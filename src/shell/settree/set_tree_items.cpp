#include "shell/settree/set_tree_items.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QTreeWidget>

#include "base/text_order.h"
#include "shell/app/message_box.h"
#include "shell/app/qt_text.h"
#include "store/file_set_store.h"

namespace ovelin {
namespace {

constexpr qsizetype kMaxTooltipChars = 79;

void CollectNamed(QTreeWidgetItem* item, const QString& name, QList<QTreeWidgetItem*>& found) {
  if (item->text(0) == name) found.append(item);
  for (int i = 0; i < item->childCount(); ++i) CollectNamed(item->child(i), name, found);
}

}  // namespace

QTreeWidgetItem* InsertChildSorted(QTreeWidgetItem* parent, const QString& name) {
  const std::string key = ToStd(name);
  int at = 0;
  while (at < parent->childCount() && NameLess(ToStd(parent->child(at)->text(0)), key)) ++at;
  auto* item = new QTreeWidgetItem(QStringList{name});
  parent->insertChild(at, item);
  return item;
}

QTreeWidgetItem* AppendChild(QTreeWidgetItem* parent, const QString& name) {
  return new QTreeWidgetItem(parent, QStringList{name});
}

QList<QTreeWidgetItem*> ItemsNamed(const QTreeWidget* tree, const QString& name) {
  QList<QTreeWidgetItem*> found;
  for (int i = 0; i < tree->topLevelItemCount(); ++i) CollectNamed(tree->topLevelItem(i), name, found);
  return found;
}

QTreeWidgetItem* NextInDisplayOrder(const QTreeWidgetItem* item) {
  if (!item) return nullptr;
  if (item->childCount() > 0) return item->child(0);
  for (const QTreeWidgetItem* at = item; at; at = at->parent()) {
    const QTreeWidgetItem* parent = at->parent();
    if (!parent) {
      const QTreeWidget* tree = at->treeWidget();
      const int index = tree ? tree->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(at)) : -1;
      return tree && index + 1 < tree->topLevelItemCount() ? tree->topLevelItem(index + 1) : nullptr;
    }
    const int index = parent->indexOfChild(const_cast<QTreeWidgetItem*>(at));
    if (index + 1 < parent->childCount()) return parent->child(index + 1);
  }
  return nullptr;
}

QTreeWidgetItem* FindNextContaining(const QTreeWidgetItem* start, const QString& text) {
  for (QTreeWidgetItem* at = NextInDisplayOrder(start); at; at = NextInDisplayOrder(at)) {
    if (at->text(0).contains(text, Qt::CaseInsensitive)) return at;
  }
  return nullptr;
}

bool IsAncestorOf(const QTreeWidgetItem* ancestor, const QTreeWidgetItem* item) {
  if (!ancestor || !item) return false;
  for (const QTreeWidgetItem* at = item->parent(); at; at = at->parent()) {
    if (at == ancestor) return true;
  }
  return false;
}

void ExpandAncestors(QTreeWidgetItem* item) {
  for (QTreeWidgetItem* at = item ? item->parent() : nullptr; at; at = at->parent()) at->setExpanded(true);
}

QString NoteTooltip(const std::string& note) {
  const QString text = ToQ(note);
  if (text.size() <= kMaxTooltipChars) return text;
  return text.left(kMaxTooltipChars - 1) + QChar(0x2026);
}

void ShowNoteTooltip(QTreeWidget* tree, const CFileSetStore& store, QEvent* event) {
  auto* help = static_cast<QHelpEvent*>(event);
  const QTreeWidgetItem* item = tree->itemAt(help->pos());
  const QString tip = item ? NoteTooltip(store.GetNote(ToStd(item->text(0)))) : QString();
  if (tip.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
    return;
  }
  QToolTip::showText(help->globalPos(), tip, tree->viewport());
}

bool SelectNextContaining(QTreeWidget* tree, const QString& text) {
  const QTreeWidgetItem* start = tree->currentItem() ? tree->currentItem() : tree->topLevelItem(0);
  QTreeWidgetItem* found = start ? FindNextContaining(start, text) : nullptr;
  if (!found) {
    ShowInformation(tree, QCoreApplication::translate("ovelin::SetTreeWidget", "没有找到对应项！"));
    return false;
  }
  ExpandAncestors(found);
  tree->setCurrentItem(found);
  tree->scrollToItem(found);
  return true;
}

}  // namespace ovelin

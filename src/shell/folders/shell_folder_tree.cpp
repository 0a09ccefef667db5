#include "shell/folders/shell_folder_tree.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>

#include <optional>

#include "shell/folders/folder_listing.h"
#include "shell/settree/set_tree_items.h"

namespace ovelin {
namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kListedRole = Qt::UserRole + 1;

// The part of `path` below `root`, or nothing when `path` is not `root` or inside it.
std::optional<QString> PathBelow(const QString& root, const QString& path) {
  if (path == root) return QString();
  if (root == QStringLiteral("/")) return path.mid(1);
  if (!path.startsWith(root + QLatin1Char('/'))) return std::nullopt;
  return path.mid(root.size() + 1);
}

}  // namespace

CShellFolderTree::CShellFolderTree(QWidget* parent) : QTreeWidget(parent) {
  setAccessibleName(tr("文件夹"));
  setHeaderHidden(true);
  setColumnCount(1);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setIconSize(QSize(16, 16));
  const QFileIconProvider icons;
  folderIcon_ = icons.icon(QAbstractFileIconProvider::Folder);
  const QString home = QDir::cleanPath(QDir::homePath());
  if (home != QStringLiteral("/")) AddRoot(home, QFileInfo(home).fileName(), folderIcon_);
  AddRoot(QStringLiteral("/"), QStringLiteral("/"), icons.icon(QAbstractFileIconProvider::Drive));
  connect(this, &QTreeWidget::itemExpanded, this, &CShellFolderTree::FillGrandchildren);
  connect(this, &QTreeWidget::currentItemChanged, this, &CShellFolderTree::SelectionMoved);
}

bool CShellFolderTree::SelectPath(const QString& path) {
  if (!QDir::isAbsolutePath(path)) return false;
  const QString clean = QDir::cleanPath(path);
  for (int i = 0; i < topLevelItemCount(); ++i) {
    QTreeWidgetItem* at = topLevelItem(i);
    const std::optional<QString> below = PathBelow(PathOf(at), clean);
    if (!below) continue;
    for (const QString& name : below->split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
      at = ChildNamed(at, name);
      if (!at) return false;
    }
    ExpandAncestors(at);
    setCurrentItem(at);
    scrollToItem(at);
    return true;
  }
  return false;
}

QString CShellFolderTree::SelectedPath() const { return currentItem() ? PathOf(currentItem()) : QString(); }

QString CShellFolderTree::PathOf(const QTreeWidgetItem* item) {
  return item ? item->data(0, kPathRole).toString() : QString();
}

QTreeWidgetItem* CShellFolderTree::AddRoot(const QString& path, const QString& text, const QIcon& icon) {
  auto* root = new QTreeWidgetItem(this, QStringList{text});
  root->setData(0, kPathRole, path);
  root->setToolTip(0, path);
  root->setIcon(0, icon);
  FillGrandchildren(root);
  return root;
}

void CShellFolderTree::FillChildren(QTreeWidgetItem* item) {
  if (item->data(0, kListedRole).toBool()) return;
  item->setData(0, kListedRole, true);
  const QString folder = PathOf(item);
  for (const QString& name : ListFolder(folder).folders) {
    auto* child = new QTreeWidgetItem(item, QStringList{name});
    child->setData(0, kPathRole, ChildPath(folder, name));
    child->setIcon(0, folderIcon_);
  }
}

void CShellFolderTree::FillGrandchildren(QTreeWidgetItem* item) {
  FillChildren(item);
  for (int i = 0; i < item->childCount(); ++i) FillChildren(item->child(i));
}

QTreeWidgetItem* CShellFolderTree::ChildNamed(QTreeWidgetItem* item, const QString& name) {
  FillChildren(item);
  for (int i = 0; i < item->childCount(); ++i) {
    if (item->child(i)->text(0) == name) return item->child(i);
  }
  return nullptr;
}

void CShellFolderTree::SelectionMoved(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
  if (!current) return;
  // Going back up to an ancestor leaves the tree as it is.
  if (!IsAncestorOf(current, previous)) current->setExpanded(true);
  emit folderSelected(PathOf(current));
}

}  // namespace ovelin

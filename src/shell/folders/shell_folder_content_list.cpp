#include "shell/folders/shell_folder_content_list.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QUrl>

#include <algorithm>
#include <utility>

#include "filing/item_gathering.h"
#include "shell/app/qt_text.h"
#include "shell/filing/dlg_add_file_item_option.h"
#include "shell/folders/folder_listing.h"
#include "shell/query/desktop_open.h"

namespace ovelin {
namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kOneItem = 1;  // folder-loading options: this object as one item

}  // namespace

CShellFolderContentList::CShellFolderContentList(QWidget* parent) : QListWidget(parent) {
  setAccessibleName(tr("文件夹内容"));
  setViewMode(QListView::ListMode);
  setIconSize(QSize(16, 16));
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* entry) { AddItems({row(entry)}); });
}

void CShellFolderContentList::ShowFolder(const QString& path) {
  clear();
  folder_ = path;
  const FolderListing listing = ListFolder(path);
  const auto add = [this, &path](const QStringList& names, bool folders) {
    for (const QString& name : names) {
      const QString child = ChildPath(path, name);
      auto* entry = new QListWidgetItem(IconOf(child, folders), name, this);
      entry->setData(kPathRole, child);
    }
  };
  add(listing.folders, true);
  add(listing.files, false);
}

QString CShellFolderContentList::CurrentFolder() const { return folder_; }

QString CShellFolderContentList::PathAt(int row) const {
  const QListWidgetItem* entry = item(row);
  return entry ? entry->data(kPathRole).toString() : QString();
}

void CShellFolderContentList::AddItems(const QList<int>& rows) {
  // Taken first: a receiver may show another folder meanwhile.
  QList<std::pair<QString, QString>> chosen;  // path, display name
  for (int at : rows) {
    if (const QListWidgetItem* entry = item(at)) chosen.append({entry->data(kPathRole).toString(), entry->text()});
  }
  for (const auto& [path, name] : chosen) {
    switch (ClassifyPath(ToStd(path))) {
      case PathKind::File:
        emit addShellItem(path, kOneItem);
        break;
      case PathKind::Folder: {
        CDlgAddFileItemOption dialog(name, this);
        if (dialog.exec() == QDialog::Accepted) emit addShellItem(path, dialog.Options());
        break;
      }
      case PathKind::Missing:  // removed since the folder was listed
        break;
    }
  }
}

void CShellFolderContentList::AddSelected() { AddItems(SelectedRows()); }

void CShellFolderContentList::OpenSelected() {
  for (int at : SelectedRows()) {
    const QString path = PathAt(at);
    OpenItem(QUrl::fromLocalFile(path).toString(), path);
  }
}

QMenu* CShellFolderContentList::CreateContextMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  menu->addAction(tr("添加文件项目"), this, &CShellFolderContentList::AddSelected);
  menu->addSeparator();
  menu->addAction(tr("打开"), this, &CShellFolderContentList::OpenSelected);
  return menu;
}

void CShellFolderContentList::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) {
    QListWidget::mousePressEvent(event);
    return;
  }
  setFocus(Qt::MouseFocusReason);
  if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) return;
  QListWidgetItem* hit = itemAt(event->position().toPoint());
  if (!hit) {
    clearSelection();
    return;
  }
  if (!hit->isSelected()) {
    clearSelection();
    hit->setSelected(true);
  }
  setCurrentItem(hit, QItemSelectionModel::NoUpdate);
  PopUpMenu(event->globalPosition().toPoint());
}

void CShellFolderContentList::mouseReleaseEvent(QMouseEvent* event) {
  // The press of the right button was handled in full.
  if (event->button() == Qt::RightButton) return;
  QListWidget::mouseReleaseEvent(event);
}

void CShellFolderContentList::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  // A right click has shown its menu at the press; the menu key shows it at the current entry.
  if (event->reason() != QContextMenuEvent::Keyboard || selectedItems().isEmpty()) return;
  const QListWidgetItem* at = currentItem() && currentItem()->isSelected() ? currentItem() : selectedItems().first();
  PopUpMenu(viewport()->mapToGlobal(visualItemRect(at).center()));
}

QList<int> CShellFolderContentList::SelectedRows() const {
  QList<int> rows;
  for (const QListWidgetItem* entry : selectedItems()) rows.append(row(entry));
  std::sort(rows.begin(), rows.end());
  return rows;
}

QIcon CShellFolderContentList::IconOf(const QString& path, bool folder) {
  if (folder) return icons_.icon(QAbstractFileIconProvider::Folder);
  // Looking an icon up can read the file's start: once per suffix is enough.
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix.isEmpty()) return icons_.icon(QAbstractFileIconProvider::File);
  auto cached = iconBySuffix_.find(suffix);
  if (cached == iconBySuffix_.end()) cached = iconBySuffix_.insert(suffix, icons_.icon(QFileInfo(path)));
  return *cached;
}

void CShellFolderContentList::PopUpMenu(const QPoint& globalPos) {
  QMenu* menu = CreateContextMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(globalPos);
}

}  // namespace ovelin

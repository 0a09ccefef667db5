#include "shell/filing/file_select_list.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

#include "filing/item_gathering.h"
#include "filing/url_parts.h"
#include "shell/app/qt_text.h"
#include "shell/query/item_type.h"

namespace ovelin {
namespace {

enum Column { kName = 0, kPath, kColumnCount };
constexpr int kUrlRole = Qt::UserRole + 1;

}  // namespace

CFileSelectList::CFileSelectList(QWidget* parent) : QTableWidget(0, kColumnCount, parent) {
  setHorizontalHeaderLabels({tr("名称"), tr("路径")});
  setAccessibleName(tr("选中的项目"));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setIconSize(QSize(16, 16));
  setWordWrap(false);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setStretchLastSection(true);
  setColumnWidth(kName, 24 * fontMetrics().averageCharWidth());
}

bool CFileSelectList::AddCandidate(const QString& name, const QString& url) {
  if (urls_.contains(url)) return false;
  urls_.insert(url);
  const auto local = LocalPathOfUrl(ToStd(url));
  const QString shown = local ? ToQ(*local) : url;
  const QIcon icon = local ? MimeTypeIcon(LocalFileType(shown).mimeName) : HyperlinkIcon();
  const int row = rowCount();
  insertRow(row);
  auto* nameCell = new QTableWidgetItem(icon, name);
  nameCell->setData(kUrlRole, url);
  setItem(row, kName, nameCell);
  setItem(row, kPath, new QTableWidgetItem(shown));
  return true;
}

int CFileSelectList::AddShellItem(const QString& path, int options) {
  const std::string local = ToStd(path);
  const PathKind kind = ClassifyPath(local);
  std::vector<ItemCandidate> candidates;
  if (kind == PathKind::File || (kind == PathKind::Folder && (options & 1)))
    candidates.push_back(CandidateOf(local));
  else if (kind == PathKind::Folder)
    candidates = WalkFolder(local, (options & 2) != 0);
  int added = 0;
  setUpdatesEnabled(false);
  for (const auto& candidate : candidates) added += AddCandidate(ToQ(candidate.name), ToQ(candidate.url)) ? 1 : 0;
  setUpdatesEnabled(true);
  return added;
}

TransferList CFileSelectList::Transfers() const {
  TransferList transfers;
  for (int row = 0; row < rowCount(); ++row) {
    const QTableWidgetItem* cell = item(row, kName);
    transfers.push_back({ToStd(cell->text()), ToStd(cell->data(kUrlRole).toString()), {}, 0});
  }
  return transfers;
}

void CFileSelectList::RemoveSelected() {
  QList<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.append(index.row());
  std::sort(rows.begin(), rows.end(), std::greater<>());
  for (int row : rows) {
    urls_.remove(item(row, kName)->data(kUrlRole).toString());
    removeRow(row);
  }
}

void CFileSelectList::ClearAll() {
  setRowCount(0);
  urls_.clear();
}

void CFileSelectList::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete) {
    RemoveSelected();
    return;
  }
  QTableWidget::keyPressEvent(event);
}

}  // namespace ovelin

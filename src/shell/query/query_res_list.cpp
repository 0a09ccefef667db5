#include "shell/query/query_res_list.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>

#include "shell/app/qt_text.h"
#include "shell/query/desktop_open.h"

namespace ovelin {

CQueryResList::CQueryResList(CFileSetStore& store, QWidget* parent)
    : QTableView(parent), store_(store), model_(this), menu_(new QMenu(this)) {
  setModel(&model_);
  setAccessibleName(tr("查询结果"));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(true);
  setWordWrap(false);
  setIconSize(QSize(16, 16));
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(qMax(20, fontMetrics().height() + 4));
  horizontalHeader()->setSectionsClickable(true);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(true);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  previewTimer_.setSingleShot(true);
  previewTimer_.setInterval(50);
  connect(&previewTimer_, &QTimer::timeout, this, &CQueryResList::SendPreview);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    previewTimer_.start();
    emit selectionStateChanged();
  });
  connect(this, &QAbstractItemView::doubleClicked, this,
          [this](const QModelIndex& index) { activateRow(index.row()); });
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CQueryResList::SortByHeader);
  BuildMenu();
}

void CQueryResList::BuildMenu() {
  open_ = menu_->addAction(tr("打开"), this, [this] {
    const auto rows = SelectedItemRows();
    if (rows.size() == 1) OpenItem(rows.front()->path, rows.front()->localPath);
  });
  menu_->addSeparator();
  openFolder_ = menu_->addAction(tr("打开所在文件夹"), this, &CQueryResList::openContainingFolder);
  delete_ = menu_->addAction(tr("删除归档项目        Del"), this, &CQueryResList::deleteSelected);
  archiving_ = menu_->addAction(tr("项目归档情况"), this, &CQueryResList::archiveSelected);
  openFolder_->setData(kCmdItemOpenFolder);
  delete_->setData(kCmdItemDelete);
  archiving_->setData(kCmdItemArchiving);
}

void CQueryResList::SetResult(std::shared_ptr<const ItemList> result, QStringList grouping, bool ranked) {
  result_ = std::move(result);
  grouping_ = std::move(grouping);
  ranked_ = ranked;
}

void CQueryResList::Draw(int grouping) {
  const bool grouped = grouping > 0 && grouping <= grouping_.size();
  const QStringList members = grouped ? SplitGroupingEntry(grouping_[grouping - 1]).members : QStringList();
  std::vector<ResultRow> rows = result_ ? BuildResultRows(store_, *result_, members) : std::vector<ResultRow>{};
  model_.SetRows(std::move(rows), ResultColumns(grouped, ranked_ && result_));
  sortSection_ = -1;
  horizontalHeader()->setSortIndicatorShown(false);
  FitColumns();
  const int rank = model_.SectionOf(ResultColumn::Rank);
  if (rank >= 0) SortRows(rank, false);  // highest rank first
  emit selectionStateChanged();
}

void CQueryResList::FitColumns() {
  const int unit = fontMetrics().averageCharWidth();
  for (int section = 0; section < model_.columnCount(); ++section) {
    setColumnWidth(section, ColumnWidthInChars(model_.Columns()[static_cast<size_t>(section)]) * unit);
  }
}

void CQueryResList::SortByHeader(int section) {
  if (section < 0 || section >= model_.columnCount()) return;
  SortRows(section, section == sortSection_ ? !sortAscending_ : true);
}

void CQueryResList::SortRows(int section, bool ascending) {
  sortSection_ = section;
  sortAscending_ = ascending;
  model_.SortBy(section, ascending);
  horizontalHeader()->setSortIndicator(section, sortAscending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
  horizontalHeader()->setSortIndicatorShown(true);
}

std::vector<const ResultRow*> CQueryResList::SelectedItemRows() const {
  QModelIndexList selected = selectionModel()->selectedRows();
  std::sort(selected.begin(), selected.end(),
            [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  std::vector<const ResultRow*> rows;
  for (const QModelIndex& index : selected) {
    const ResultRow& row = model_.Row(index.row());
    if (!row.group) rows.push_back(&row);
  }
  return rows;
}

QStringList CQueryResList::PreviewEntries() const {
  QStringList entries;
  for (const ResultRow* row : SelectedItemRows()) {
    entries.append(row->name + kPreviewFieldSeparator + row->path + kPreviewFieldSeparator + row->description);
  }
  return entries;
}

void CQueryResList::SendPreview() {
  const QStringList entries = PreviewEntries();
  if (entries.isEmpty()) return;
  emit previewItems(entries);
  setFocus();
}

void CQueryResList::activateRow(int row) {
  if (row < 0 || row >= model_.rowCount()) return;
  const ResultRow& at = model_.Row(row);
  if (at.group) {
    const QString member = at.name;  // the narrowed query redraws the rows
    emit queryGroup(member);
    return;
  }
  OpenItem(at.path, at.localPath);
}

void CQueryResList::deleteSelected() {
  QStringList urls;
  for (const ResultRow* row : SelectedItemRows()) urls.append(row->path);
  if (!urls.isEmpty()) emit deleteItems(urls);
}

void CQueryResList::archiveSelected() {
  PigeonholeBatch batch;
  for (const ResultRow* row : SelectedItemRows()) {
    ITEM_PIGEONHOLE_STRUCT record;
    record.Name = ToStd(row->name);
    record.Url = ToStd(row->path);
    batch.push_back(std::move(record));
  }
  if (!batch.empty()) emit pigDrop(batch);
}

void CQueryResList::openContainingFolder() {
  QStringList paths;
  for (const ResultRow* row : SelectedItemRows()) {
    if (row->IsLocalFile()) paths.append(row->localPath);
  }
  if (paths.isEmpty()) return;
  if (paths.size() == 1) {
    ShowInFileManager(paths.constFirst(), this);
    return;
  }
  OpenFolder(CommonFolder(paths));
}

void CQueryResList::UpdateMenu() {
  const std::vector<const ResultRow*> rows = SelectedItemRows();
  const bool anyLocal = std::any_of(rows.begin(), rows.end(), [](const ResultRow* row) { return row->IsLocalFile(); });
  open_->setEnabled(rows.size() == 1);
  openFolder_->setEnabled(anyLocal);
  delete_->setEnabled(!rows.empty());
  archiving_->setEnabled(!rows.empty());
}

void CQueryResList::contextMenuEvent(QContextMenuEvent* event) {
  // A right click on a row outside the selection selects that row alone.
  const QModelIndex at = indexAt(viewport()->mapFromGlobal(event->globalPos()));
  if (at.isValid() && !selectionModel()->isRowSelected(at.row(), {})) {
    selectionModel()->select(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
  }
  UpdateMenu();
  menu_->exec(event->globalPos());
}

void CQueryResList::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete) {
    deleteSelected();
    return;
  }
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
    activateRow(currentIndex().row());
    return;
  }
  QTableView::keyPressEvent(event);
}

}  // namespace ovelin

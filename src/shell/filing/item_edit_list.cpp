#include "shell/filing/item_edit_list.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

#include "shell/app/qt_text.h"
#include "shell/query/item_type.h"

namespace ovelin {
namespace {

enum Column { kName = 0, kSets, kPigPathSet, kSource, kColumnCount };
constexpr int kSettleMs = 500;

QIcon RowIcon(const ItemEditRow& row) {
  const auto local = row.LocalPath();
  return local ? MimeTypeIcon(LocalFileType(ToQ(*local)).mimeName) : HyperlinkIcon();
}

}  // namespace

CItemEditList::CItemEditList(CFileSetStore& store, QWidget* parent)
    : QTableWidget(0, kColumnCount, parent), store_(store) {
  setHorizontalHeaderLabels({tr("归档名"), tr("隶属集"), tr("归档路径集"), tr("文件原路径")});
  setAccessibleName(tr("归档项目"));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed);
  setIconSize(QSize(16, 16));
  setWordWrap(false);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setStretchLastSection(true);
  const int unit = fontMetrics().averageCharWidth();
  for (int column : {kName, kSets, kPigPathSet}) setColumnWidth(column, 18 * unit);

  settle_.setSingleShot(true);
  settle_.setInterval(kSettleMs);
  connect(&settle_, &QTimer::timeout, this, &CItemEditList::selectionSettled);
  connect(this, &QTableWidget::itemSelectionChanged, &settle_, qOverload<>(&QTimer::start));
  connect(this, &QTableWidget::itemChanged, this, &CItemEditList::nameEdited);
}

void CItemEditList::Fill(const TransferList& transfers) {
  filling_ = true;
  setUpdatesEnabled(false);
  clearContents();
  rows_.clear();
  rows_.reserve(transfers.size());
  for (const auto& transfer : transfers) rows_.push_back(MakeItemRow(store_, transfer));
  setRowCount(static_cast<int>(rows_.size()));
  for (int index = 0; index < rowCount(); ++index) {
    auto* name = new QTableWidgetItem;
    name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    setItem(index, kName, name);
    for (int column : {kSets, kPigPathSet, kSource}) {
      auto* cell = new QTableWidgetItem;
      cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      setItem(index, column, cell);
    }
    item(index, kName)->setIcon(RowIcon(rows_[static_cast<size_t>(index)]));
    ShowRow(index);
  }
  setUpdatesEnabled(true);
  filling_ = false;
}

void CItemEditList::ShowRow(int index) {
  const ItemEditRow& row = rows_[static_cast<size_t>(index)];
  const bool wasFilling = filling_;
  filling_ = true;
  item(index, kName)->setText(ToQ(row.name));
  item(index, kSets)->setText(ToQ(JoinNames(row.sets)));
  item(index, kPigPathSet)->setText(ToQ(row.pigPathSet));
  item(index, kSource)->setText(ToQ(row.SourceText()));
  filling_ = wasFilling;
}

void CItemEditList::nameEdited(QTableWidgetItem* cell) {
  if (filling_ || cell->column() != kName) return;
  // The typed text is taken as it is.
  rows_[static_cast<size_t>(cell->row())].name = ToStd(cell->text());
}

std::vector<int> CItemEditList::SelectedIndexes() const {
  std::vector<int> indexes;
  for (const QModelIndex& index : selectionModel()->selectedRows()) indexes.push_back(index.row());
  std::sort(indexes.begin(), indexes.end());
  return indexes;
}

MergedRows CItemEditList::MergeSelected() const {
  std::vector<const ItemEditRow*> selected;
  for (int index : SelectedIndexes()) selected.push_back(&rows_[static_cast<size_t>(index)]);
  return MergeRows(store_, selected);
}

template <typename Change>
void CItemEditList::ForSelected(Change change) {
  for (int index : SelectedIndexes()) {
    change(rows_[static_cast<size_t>(index)]);
    ShowRow(index);
  }
}

void CItemEditList::SetPigPathSet(const std::string& set) {
  ForSelected([&set](ItemEditRow& row) { row.pigPathSet = set; });
}

void CItemEditList::SetBasePath(const std::string& basePath) {
  ForSelected([&basePath](ItemEditRow& row) { row.basePath = basePath; });
}

bool CItemEditList::ChangeSet(const std::string& set, bool add) {
  bool fits = true;
  ForSelected([&](ItemEditRow& row) { fits = ChangeRowSet(store_, row, set, add) && fits; });
  return fits;
}

void CItemEditList::ApplyValues(const std::vector<std::string>& values) {
  ForSelected([&values](ItemEditRow& row) { ovelin::ApplyValues(row, values); });
}

std::vector<ItemDesInfoType> CItemEditList::Descriptions() const {
  std::vector<ItemDesInfoType> descriptions;
  for (int index : SelectedIndexes()) {
    const ItemEditRow& row = rows_[static_cast<size_t>(index)];
    descriptions.push_back({row.name, row.description});
  }
  return descriptions;
}

void CItemEditList::SetDescriptions(const std::vector<ItemDesInfoType>& descriptions) {
  size_t next = 0;
  ForSelected([&](ItemEditRow& row) {
    if (next < descriptions.size()) row.description = descriptions[next++].description;
  });
}

void CItemEditList::RemoveRow(int index) {
  if (index < 0 || index >= rowCount()) return;
  rows_.erase(rows_.begin() + index);
  removeRow(index);
}

void CItemEditList::RemoveSelected() {
  const std::vector<int> indexes = SelectedIndexes();
  for (auto it = indexes.rbegin(); it != indexes.rend(); ++it) RemoveRow(*it);
}

void CItemEditList::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete && state() != QAbstractItemView::EditingState) {
    RemoveSelected();
    return;
  }
  QTableWidget::keyPressEvent(event);
}

}  // namespace ovelin

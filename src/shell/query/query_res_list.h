#pragma once
// CQueryResList: the query result list. Item rows (and group rows while a
// grouping is chosen) in a sortable table; a settled selection is sent out for
// the preview; items are opened, shown in their folder and deleted from here.

#include <QStringList>
#include <QTableView>
#include <QTimer>

#include <memory>
#include <vector>

#include "filing/pigeonhole_item.h"
#include "shell/query/result_model.h"
#include "store/item_list.h"

class QMenu;

namespace ovelin {

class CFileSetStore;

/// Commands of the item menu ("file item menu").
enum ResultListCommand : int {
  kCmdItemArchiving = 32787,
  kCmdItemDelete = 32788,
  kCmdItemOpenFolder = 32808,
};

/// Separates the fields of a preview entry: name, URL, description.
inline constexpr QChar kPreviewFieldSeparator = QChar(0x1F);

class CQueryResList : public QTableView {
  Q_OBJECT
 public:
  explicit CQueryResList(CFileSetStore& store, QWidget* parent = nullptr);

  /// The result to show (null: none) with its grouping entries, and whether the
  /// items carry keyword ranks. Nothing is drawn until Draw.
  void SetResult(std::shared_ptr<const ItemList> result, QStringList grouping, bool ranked);
  /// Draws the result: without grouping (0) or with grouping entry `grouping` - 1.
  /// After a keyword search the rows are sorted by rank, highest first.
  void Draw(int grouping);

  const ResultModel& Model() const { return model_; }
  /// The selected rows that are items (group rows left out), in row order.
  std::vector<const ResultRow*> SelectedItemRows() const;
  /// The column sorted by and its direction; -1 when unsorted.
  int SortSection() const { return sortSection_; }
  bool SortAscending() const { return sortAscending_; }
  /// Sorts by the column at `section` as a header click does: ascending, or the
  /// other direction when it is already the sort column.
  void SortByHeader(int section);
  /// The preview entries of the selection: name, U+001F, URL, U+001F, description.
  QStringList PreviewEntries() const;

 public slots:
  /// "删除归档项目": asks the panel to delete the selected items.
  void deleteSelected();
  /// "项目归档情况": asks the panel to archive the selected items anew.
  void archiveSelected();
  /// "打开所在文件夹": the selected files' folder, with the file selected when only one.
  void openContainingFolder();
  /// Opens the row: a group row narrows the query, an item opens with its handler.
  void activateRow(int row);

 signals:
  /// A group row was double-clicked: narrow the current query to this member.
  void queryGroup(const QString& member);
  /// Delete these items (their URLs).
  void deleteItems(const QStringList& urls);
  /// Archive these items (their names and URLs).
  void pigDrop(const ovelin::PigeonholeBatch& batch);
  /// The selection settled: show these preview entries.
  void previewItems(const QStringList& entries);
  /// The selection changed (commands that act on it may change state).
  void selectionStateChanged();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildMenu();
  void UpdateMenu();
  void FitColumns();
  void SortRows(int section, bool ascending);
  void SendPreview();

  CFileSetStore& store_;
  ResultModel model_;
  std::shared_ptr<const ItemList> result_;
  QStringList grouping_;
  bool ranked_ = false;
  int sortSection_ = -1;
  bool sortAscending_ = true;
  QTimer previewTimer_;
  QMenu* menu_;
  QAction* open_ = nullptr;
  QAction* openFolder_ = nullptr;
  QAction* delete_ = nullptr;
  QAction* archiving_ = nullptr;
};

}  // namespace ovelin

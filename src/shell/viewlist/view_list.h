#pragma once
// CViewList: the saved queries (view sets) as a list of named icons. From here a
// view set is run in the query panel, created, edited and deleted.

#include <QHash>
#include <QListWidget>

namespace ovelin {

class CFileSetStore;

class CViewList : public QListWidget {
  Q_OBJECT
 public:
  explicit CViewList(CFileSetStore& store, QWidget* parent = nullptr);

  /// Reloads every view set name in the store's order.
  void Reload();
  /// The selected view set's name; empty when none is selected.
  QString SelectedName() const;
  /// "相关查询制导" can run: a view set is selected.
  bool GuidanceAvailable() const;

 public slots:
  /// "相关查询制导" for the selected view set; on OK the narrowed query is sent to run.
  void requestGuidance();
  /// "新建视图集": asks for a name and an expression and adds the view set.
  void newViewSet();
  /// "删除视图集": deletes the selected view set after confirmation.
  void deleteViewSet();
  /// "属性": edits the selected view set's expression and name.
  void editViewSet();

 signals:
  /// A query for the main window: the view set's name and the combine mode.
  void runQuery(const QString& text, int mode);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildMenu();
  void InsertSorted(const QString& name);
  void RunSelected(int mode);

  CFileSetStore& store_;
  QMenu* menu_;
  QHash<int, QAction*> actions_;
};

}  // namespace ovelin

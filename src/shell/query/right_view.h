#pragma once
// CRightView: the query panel. The expression field, the keyword field and the
// grouping box above the result list; runs queries against the store, combines
// them with the current one, keeps a browser-like history, narrows results by
// keywords (reading file contents on a worker thread) and deletes items.

#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "filing/pigeonhole_item.h"
#include "shell/app/pipe_message.h"
#include "shell/query/query_history.h"
#include "store/item_list.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace ovelin {

class CFileSetStore;
class CheckResult;
class CQueryExpEdit;
class CQueryResList;
class ContentSearchWorker;
struct EvaluationResult;

class CRightView : public QWidget {
  Q_OBJECT
 public:
  explicit CRightView(CFileSetStore& store, QWidget* parent = nullptr);
  ~CRightView() override;

  /// A previous query exists ("后退").
  bool CanBack() const;
  /// A next query exists ("前进").
  bool CanForward() const;
  /// A current query exists ("刷新").
  bool CanRefresh() const;
  /// Items are selected that "删除" would delete.
  bool CanDelete() const;
  /// "相关查询制导" can be offered: there is a result.
  bool GuidanceAvailable() const;

  /// Runs a query (`RunQuery`): a new one, or a step back, forward or a refresh
  /// of the history; `combine` joins a new expression with the current one
  /// (0 replace, 1 and, 2 or, 3 except). A keyword search that reads file
  /// contents finishes later; until then the previous result stays.
  void RunQuery(HistoryMode mode, const QString& expression, const QString& keywords, int combine);

  /// The query shown now (normalised expression and keywords); none before the first.
  const std::optional<QueryKey>& CurrentKey() const { return history_.Current(); }
  /// The result shown now; null before the first query and after a failed one.
  const ItemList* CurrentResult() const { return result_.get(); }
  /// The positive leaves of the last successful query (the default sets of dropped files).
  const std::vector<std::string>& PositiveLeaves() const { return positiveLeaves_; }
  /// A keyword search over file contents is running.
  bool IsSearching() const;
  /// An archiving wizard, or an archiving or deleting run, is under way.
  bool IsFiling() const { return filing_; }

  CQueryExpEdit* ExpressionField() const { return expression_; }
  QLineEdit* KeywordField() const { return keywords_; }
  QComboBox* GroupingBox() const { return groupingBox_; }
  CQueryResList* ResultList() const { return list_; }

 public slots:
  /// A query request from the main window: a new query combined by `mode`
  /// (0 show, 1 and, 2 or, 3 except).
  void runQuery(const QString& expression, const QString& keywords, int mode);
  /// Back in the query history.
  void back();
  /// Forward in the query history.
  void forward();
  /// Runs the current query again.
  void refresh();
  /// Runs the query in the fields as a new one (query button, Enter).
  void runCurrent();
  /// Stops a running keyword search; the shown result stays.
  void cancelSearch();
  /// Saves the current query as a view set; true when one was added.
  bool newViewSetFromQuery();
  /// Deletes the selected result items.
  void deleteSelected();
  /// Deletes the items of these URLs, and their files, after the user confirms.
  /// When something shows a preview, it is first asked to let go of the items
  /// (previewRelease) and the deletion starts with startDeleting.
  void deleteItems(const QStringList& urls);
  /// Deletes the items of these URLs (with `bDelFile` their files too) on a
  /// worker behind the progress dialog, then refreshes.
  void startDeleting(const QStringList& urls, bool bDelFile);
  /// "相关查询制导" for the current result.
  void requestGuidance();
  /// "文件归档": the two-page archiving wizard, then the run; refreshes afterwards.
  void archiveFiles();
  /// Items to archive from a drop, the result list or a hand-over: their sets
  /// preset from the current query when the configuration says so, then the
  /// one-page wizard and the run; refreshes afterwards.
  void archiveItems(ovelin::PigeonholeBatch batch);
  /// Records handed over by another program, archived as dropped items are.
  void archiveHandOver(const QList<ovelin::PipeRecord>& records);

 signals:
  /// The history, the current query or the selection changed (command states may change).
  void stateChanged();
  /// A view set was added from the current query.
  void viewSetsChanged();
  /// The selection settled on items: their preview entries (name, U+001F, URL,
  /// U+001F, description).
  void previewItems(const QStringList& entries);
  /// These items are about to be deleted: the preview lets go of them, then
  /// startDeleting is to be called with the same arguments.
  void previewRelease(const QStringList& urls, bool bDelFile);
  /// A set was created in a dialog of the panel (the archiving wizard's set tree).
  void setCreated(const QString& name);
  /// No wizard is open and no filing run goes on any more.
  void filingIdle();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildControls();
  void ConnectControls();
  void ShowFailure(const QueryPlan& plan, const CheckResult& why);
  void ShowResult(const QueryPlan& plan, EvaluationResult evaluated, bool ranked);
  void FillGroupingBox(const QString& keywords);
  void StartContentSearch(const QueryPlan& plan, EvaluationResult evaluated, unsigned flags);
  void SetBusy(bool busy);
  void UpdateSearchProgress();
  void UpdateButtons();
  void RunWizardAndArchive(PigeonholeBatch batch, int mode);
  void SetFiling(bool filing);

  CFileSetStore& store_;
  QueryHistory history_;
  std::shared_ptr<const ItemList> result_;
  std::vector<std::string> grouping_;
  std::vector<std::string> positiveLeaves_;
  std::optional<QueryPlan> pending_;  // the query whose content search runs
  bool filing_ = false;
  bool busy_ = false;

  CQueryExpEdit* expression_ = nullptr;
  QLineEdit* keywords_ = nullptr;
  QComboBox* groupingBox_ = nullptr;
  QPushButton* query_ = nullptr;
  QPushButton* guidance_ = nullptr;
  QLabel* searchLabel_ = nullptr;
  QProgressBar* searchBar_ = nullptr;
  QPushButton* cancel_ = nullptr;
  CQueryResList* list_ = nullptr;
  ContentSearchWorker* worker_ = nullptr;
  QTimer progressTimer_;
};

}  // namespace ovelin

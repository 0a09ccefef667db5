#pragma once
// CRightView: the query panel (expression field, keyword field, result list).
// This is the frame the main window talks to; the panel's contents come later.

#include <QString>
#include <QWidget>

namespace ovelin {

class CFileSetStore;

class CRightView : public QWidget {
  Q_OBJECT
 public:
  explicit CRightView(CFileSetStore& store, QWidget* parent = nullptr);

  /// A previous query exists ("后退").
  bool canBack() const;
  /// A next query exists ("前进").
  bool canForward() const;
  /// A current query exists ("刷新").
  bool canRefresh() const;
  /// Items are selected that "删除" would delete.
  bool canDelete() const;

 public slots:
  /// Runs a query: expression and keywords, combined with the current result by `mode`
  /// (0 show, 1 and, 2 or, 3 except).
  void runQuery(const QString& expression, const QString& keywords, int mode);
  /// Back in the query history.
  void back();
  /// Forward in the query history.
  void forward();
  /// Runs the current query again.
  void refresh();
  /// Saves the current query as a view set; true when one was added.
  bool newViewSetFromQuery();
  /// Deletes the selected result items.
  void deleteSelected();

 signals:
  /// The history, the current query or the selection changed (command states may change).
  void stateChanged();
  /// A view set was added from the current query.
  void viewSetsChanged();

 private:
  CFileSetStore& store_;  // what queries run against
};

}  // namespace ovelin

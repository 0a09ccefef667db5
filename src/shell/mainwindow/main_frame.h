#pragma once
// CMainFrame: the one top-level window. Four panes in splitters (set tree, view
// set list, query panel, preview), the menu bar, the toolbar and the tray icon;
// global commands go to the pane that last had the focus.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMainWindow>

#include "shell/app/app_icons.h"
#include "shell/app/pipe_message.h"

class QSplitter;
class QTimer;
class QSystemTrayIcon;

namespace ovelin {

class CFileSetStore;
class CEntityTreeView;
class CViewList;
class CRightView;
class CWebBrowser;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  enum class Pane { None, Tree, ViewList, Query, Preview };

  explicit CMainFrame(CFileSetStore& store, QWidget* parent = nullptr);
  ~CMainFrame() override;

  /// The four panes.
  CEntityTreeView* Tree() const { return tree_; }
  CViewList* ViewList() const { return viewList_; }
  CRightView* QueryPanel() const { return rightView_; }
  CWebBrowser* Preview() const { return preview_; }
  /// The action of a command number (menu, toolbar and tray commands).
  QAction* Action(int id) const { return actions_.value(id); }
  /// The pane that last had the input focus (the set tree at first).
  Pane ActivePane() const { return activePane_; }
  /// Makes `pane` the active one, as focusing it would.
  void SetActivePane(Pane pane);
  /// A tray icon exists (closing the window then only hides it).
  bool HasTrayIcon() const { return tray_ != nullptr; }

 public slots:
  /// A query request from the tree or the view set list (text: expression, or
  /// expression ";" keywords) for the query panel.
  void onRunQuery(const QString& text, int mode);
  /// A hand-over message arrived: shows the window and passes its records on
  /// for archiving; while a wizard, a filing run or another modal dialog is
  /// open they wait, in arrival order, until it has closed.
  void onPipeMessage(const QByteArray& body);
  /// Brings the window back from the tray.
  void showFromTray();
  /// Ends the program ("退出").
  void exitProgram();
  /// Enables and disables the commands for the active pane's state.
  void updateCommandStates();
  /// A set was created in a dialog's set tree: the main tree shows it too.
  void onSetCreated(const QString& name);
  /// The result list's selection settled: the preview shows these entries.
  void onPreviewItems(const QStringList& entries);
  /// Items are to be deleted: the preview lets go of them first.
  void onPreviewRelease(const QStringList& urls, bool bDelFile);
  /// The preview has loaded its page: focus returns to the result list, or a
  /// deletion waiting for the preview starts.
  void onPreviewReady();

 signals:
  /// Records handed over by an outside program (name and address each), passed
  /// on when nothing else holds the user's attention.
  void pipeDataReceived(const QList<ovelin::PipeRecord>& records);
  /// "文件归档" was chosen (offered only while something handles it).
  void archiveRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void focusMoved(QWidget* old, QWidget* now);
  void newCommand();
  void deleteCommand();
  void guidanceCommand();
  void exportTemplate();
  void importTemplate();
  void openOptions();
  void openHelp();
  void openHomePage();
  void showAbout();

 private:
  void CreatePanes();
  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  void CreateTray();
  void ConnectPanes();
  QAction* AddAction(int id, const QString& text, const QString& caption, const QIcon& icon = {});
  Pane PaneOf(const QWidget* widget) const;
  void ApplyPaneSizes();
  void PassOnHandOvers();

  CFileSetStore& store_;
  QSplitter* outer_ = nullptr;
  QSplitter* left_ = nullptr;
  QSplitter* right_ = nullptr;
  CEntityTreeView* tree_ = nullptr;
  CViewList* viewList_ = nullptr;
  CRightView* rightView_ = nullptr;
  CWebBrowser* preview_ = nullptr;
  QSystemTrayIcon* tray_ = nullptr;
  QHash<int, QAction*> actions_;
  Pane activePane_ = Pane::Tree;
  bool exiting_ = false;
  QList<QList<PipeRecord>> handOvers_;  // received, not yet passed on
  // Why the preview is loading: to show items, or to let go of items before
  // they are deleted (with the deletion waiting here meanwhile).
  enum class PreviewReason { None, ShowItems, Release };
  PreviewReason previewReason_ = PreviewReason::None;
  QStringList pendingDelete_;
  bool pendingDeleteFiles_ = false;
  QTimer* handOverRetry_ = nullptr;
};

}  // namespace ovelin

#include "shell/mainwindow/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QSplitter>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolBar>

#include "shell/app/command_ids.h"
#include "shell/app/product_info.h"
#include "shell/app/template_commands.h"
#include "shell/filing/pigeonhole_sheet.h"
#include "shell/mainwindow/pane_layout.h"
#include "shell/preview/web_browser.h"
#include "shell/query/right_view.h"
#include "shell/settree/entity_tree_view.h"
#include "shell/viewlist/view_list.h"

namespace ovelin {

CMainFrame::CMainFrame(CFileSetStore& store, QWidget* parent) : QMainWindow(parent), store_(store) {
  setWindowTitle(QString::fromUtf8(kMainWindowTitle));
  setWindowIcon(AppIcon(IconId::Application));
  CreatePanes();
  CreateActions();
  CreateMenus();
  CreateToolBar();
  CreateTray();
  ConnectPanes();
  updateCommandStates();
}

CMainFrame::~CMainFrame() {
  // The focus signal must not reach a half-destroyed window.
  disconnect(qApp, &QApplication::focusChanged, this, &CMainFrame::focusMoved);
  preview_->Stop();
}

void CMainFrame::CreatePanes() {
  outer_ = new QSplitter(Qt::Horizontal, this);
  left_ = new QSplitter(Qt::Vertical, outer_);
  right_ = new QSplitter(Qt::Vertical, outer_);
  tree_ = new CEntityTreeView(store_, left_);
  viewList_ = new CViewList(store_, left_);
  rightView_ = new CRightView(store_, right_);
  preview_ = new CWebBrowser(right_);
  for (QSplitter* splitter : {outer_, left_, right_}) splitter->setChildrenCollapsible(false);
  outer_->installEventFilter(this);
  setCentralWidget(outer_);
}

QAction* CMainFrame::AddAction(int id, const QString& text, const QString& caption, const QIcon& icon) {
  auto* action = new QAction(icon, text, this);
  action->setData(id);
  if (!caption.isEmpty()) action->setIconText(caption);
  actions_.insert(id, action);
  return action;
}

void CMainFrame::CreateActions() {
  auto bind = [this](QAction* action, auto slot) { connect(action, &QAction::triggered, this, slot); };
  bind(AddAction(kCmdNew, tr("新建文件集\tCtrl+N"), tr("新建"), AppIcon(IconId::New)), &CMainFrame::newCommand);
  bind(AddAction(kCmdDelete, tr("删除\tDelete"), tr("删除"), AppIcon(IconId::Delete)), &CMainFrame::deleteCommand);
  bind(AddAction(kCmdFind, tr("查找实体集\tCtrl+F"), tr("查找"), AppIcon(IconId::Find)), [this] { tree_->findSet(); });
  bind(AddAction(kCmdArchive, tr("文件归档"), tr("归档"), AppIcon(IconId::Archive)),
       [this] { emit archiveRequested(); });
  bind(AddAction(kCmdExportTemplate, tr("导出整个模板"), tr("导出"), AppIcon(IconId::Export)),
       &CMainFrame::exportTemplate);
  bind(AddAction(kCmdImportTemplate, tr("导入模板"), tr("导入"), AppIcon(IconId::Import)), &CMainFrame::importTemplate);
  bind(AddAction(kCmdExit, tr("退出\tCtrl+E"), {}), &CMainFrame::exitProgram);
  bind(AddAction(kCmdOptions, tr("选项"), {}), &CMainFrame::openOptions);
  bind(AddAction(kCmdForward, tr("前进"), tr("前进"), AppIcon(IconId::Forward)), [this] { rightView_->forward(); });
  bind(AddAction(kCmdBack, tr("后退"), tr("后退"), AppIcon(IconId::Back)), [this] { rightView_->back(); });
  bind(AddAction(kCmdRefresh, tr("刷新\tF5"), tr("刷新"), AppIcon(IconId::Refresh)), [this] { rightView_->refresh(); });
  bind(AddAction(kCmdGuidance, tr("制导"), tr("制导"), AppIcon(IconId::Guidance)), &CMainFrame::guidanceCommand);
  bind(AddAction(kCmdHelp, tr("帮助\tF1"), {}), &CMainFrame::openHelp);
  bind(AddAction(kCmdHomePage, tr("主页"), {}), &CMainFrame::openHomePage);
  bind(AddAction(kCmdAbout, tr("关于 Ovelin..."), {}), &CMainFrame::showAbout);

  actions_[kCmdExit]->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
  actions_[kCmdNew]->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
  actions_[kCmdFind]->setShortcut(QKeySequence(QStringLiteral("Ctrl+F")));
  actions_[kCmdRefresh]->setShortcut(QKeySequence(Qt::Key_F5));
  actions_[kCmdHelp]->setShortcut(QKeySequence(Qt::Key_F1));
}

void CMainFrame::CreateMenus() {
  QMenu* sets = menuBar()->addMenu(tr("文件集"));
  for (int id : {kCmdNew, kCmdDelete, kCmdFind, kCmdArchive}) sets->addAction(actions_[id]);
  sets->addSeparator();
  sets->addAction(actions_[kCmdExportTemplate]);
  sets->addAction(actions_[kCmdImportTemplate]);
  sets->addSeparator();
  sets->addAction(actions_[kCmdExit]);
  menuBar()->addMenu(tr("系统设置"))->addAction(actions_[kCmdOptions]);
  QMenu* browse = menuBar()->addMenu(tr("浏览"));
  for (int id : {kCmdForward, kCmdBack, kCmdRefresh}) browse->addAction(actions_[id]);
  QMenu* help = menuBar()->addMenu(tr("帮助"));
  for (int id : {kCmdHelp, kCmdHomePage}) help->addAction(actions_[id]);
  help->addSeparator();
  help->addAction(actions_[kCmdAbout]);
  for (QMenu* menu : {sets, browse}) connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
}

void CMainFrame::CreateToolBar() {
  QToolBar* toolbar = addToolBar(tr("工具栏"));
  toolbar->setObjectName(QStringLiteral("toolbar"));
  toolbar->setMovable(false);
  toolbar->setFloatable(false);
  toolbar->setIconSize(QSize(16, 16));
  toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
  for (int id : {kCmdNew, kCmdDelete, kCmdFind, kCmdArchive}) toolbar->addAction(actions_[id]);
  toolbar->addSeparator();
  for (int id : {kCmdBack, kCmdForward, kCmdRefresh, kCmdGuidance}) toolbar->addAction(actions_[id]);
  toolbar->addSeparator();
  for (int id : {kCmdExportTemplate, kCmdImportTemplate}) toolbar->addAction(actions_[id]);
}

void CMainFrame::CreateTray() {
  // Without a notification area a hidden window could never be shown again.
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  tray_ = new QSystemTrayIcon(AppIcon(IconId::Application), this);
  auto* menu = new QMenu(this);
  QAction* open = menu->addAction(tr("打开主界面"), this, &CMainFrame::showFromTray);
  QAction* about = menu->addAction(tr("关于"), this, &CMainFrame::showAbout);
  QAction* exit = menu->addAction(tr("退出"), this, &CMainFrame::exitProgram);
  open->setData(kCmdTrayOpen);
  about->setData(kCmdTrayAbout);
  exit->setData(kCmdTrayExit);
  for (QAction* action : {open, about, exit}) actions_.insert(action->data().toInt(), action);
  tray_->setContextMenu(menu);
  connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::DoubleClick) showFromTray();
  });
  tray_->show();
  QApplication::setQuitOnLastWindowClosed(false);
}

void CMainFrame::ConnectPanes() {
  connect(qApp, &QApplication::focusChanged, this, &CMainFrame::focusMoved);
  connect(tree_, &CEntityTreeView::runQuery, this, &CMainFrame::onRunQuery);
  connect(viewList_, &CViewList::runQuery, this, &CMainFrame::onRunQuery);
  connect(tree_, &CEntityTreeView::viewSetsChanged, viewList_, &CViewList::Reload);
  connect(rightView_, &CRightView::viewSetsChanged, viewList_, &CViewList::Reload);
  connect(tree_, &CEntityTreeView::importTemplateRequested, this, &CMainFrame::importTemplate);
  connect(tree_, &CEntityTreeView::archiveRequested, this, &CMainFrame::archiveRequested);
  connect(tree_, &QTreeWidget::currentItemChanged, this, &CMainFrame::updateCommandStates);
  connect(viewList_, &QListWidget::itemSelectionChanged, this, &CMainFrame::updateCommandStates);
  connect(rightView_, &CRightView::stateChanged, this, &CMainFrame::updateCommandStates);
  connect(rightView_, &CRightView::previewItems, this, &CMainFrame::onPreviewItems);
  connect(rightView_, &CRightView::previewRelease, this, &CMainFrame::onPreviewRelease);
  connect(preview_, &CWebBrowser::previewReady, this, &CMainFrame::onPreviewReady);
  connect(this, &CMainFrame::archiveRequested, rightView_, &CRightView::archiveFiles);
  connect(this, &CMainFrame::pipeDataReceived, rightView_, &CRightView::archiveHandOver);
  connect(rightView_, &CRightView::setCreated, this, &CMainFrame::onSetCreated);
  connect(rightView_, &CRightView::filingIdle, this, &CMainFrame::PassOnHandOvers);
  handOverRetry_ = new QTimer(this);
  handOverRetry_->setSingleShot(true);
  handOverRetry_->setInterval(300);
  connect(handOverRetry_, &QTimer::timeout, this, &CMainFrame::PassOnHandOvers);
}

CMainFrame::Pane CMainFrame::PaneOf(const QWidget* widget) const {
  for (const QWidget* at = widget; at; at = at->parentWidget()) {
    if (at == tree_) return Pane::Tree;
    if (at == viewList_) return Pane::ViewList;
    if (at == rightView_) return Pane::Query;
    if (at == preview_) return Pane::Preview;
  }
  return Pane::None;
}

void CMainFrame::focusMoved(QWidget*, QWidget* now) {
  const Pane pane = PaneOf(now);
  if (pane != Pane::None) SetActivePane(pane);
}

void CMainFrame::SetActivePane(Pane pane) {
  activePane_ = pane;
  updateCommandStates();
}

void CMainFrame::updateCommandStates() {
  const bool hasTree = activePane_ == Pane::Tree;
  const bool hasList = activePane_ == Pane::ViewList;
  const bool hasQuery = activePane_ == Pane::Query;
  const bool listSelected = !viewList_->SelectedName().isEmpty();
  actions_[kCmdNew]->setEnabled(hasTree || hasList || hasQuery);
  actions_[kCmdDelete]->setEnabled((hasTree && tree_->CanRemoveSet()) || (hasList && listSelected) ||
                                   (hasQuery && rightView_->CanDelete()));
  actions_[kCmdForward]->setEnabled(rightView_->CanForward());
  actions_[kCmdBack]->setEnabled(rightView_->CanBack());
  actions_[kCmdRefresh]->setEnabled(rightView_->CanRefresh());
  actions_[kCmdArchive]->setEnabled(isSignalConnected(QMetaMethod::fromSignal(&CMainFrame::archiveRequested)));
  actions_[kCmdGuidance]->setEnabled((hasTree && tree_->GuidanceAvailable()) ||
                                     (hasList && listSelected && viewList_->GuidanceAvailable()) ||
                                     (hasQuery && rightView_->GuidanceAvailable()));
  actions_[kCmdExportTemplate]->setEnabled(TemplatesAvailable());
  actions_[kCmdImportTemplate]->setEnabled(TemplatesAvailable());
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == outer_ && event->type() == QEvent::Resize) ApplyPaneSizes();
  return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::ApplyPaneSizes() {
  // The proportions are forced on every resize; dragging a bar lasts until the next one.
  const PaneSizes sizes = ComputePaneSizes(outer_->size());
  outer_->setSizes(sizes.outer);
  left_->setSizes(sizes.left);
  right_->setSizes(sizes.right);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (tray_ && !exiting_) {
    hide();
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

void CMainFrame::showFromTray() {
  showMinimized();
  showNormal();
  raise();
  activateWindow();
}

void CMainFrame::exitProgram() {
  exiting_ = true;
  close();
  if (tray_) QApplication::quit();
}

void CMainFrame::onPipeMessage(const QByteArray& body) {
  showFromTray();
  const QList<PipeRecord> records = ParsePipeRecords(body);
  if (records.isEmpty()) return;
  // The sender was told the message arrived: it must not be lost. It is passed
  // on from the event loop, not from inside the connection that read it.
  handOvers_.append(records);
  QMetaObject::invokeMethod(this, &CMainFrame::PassOnHandOvers, Qt::QueuedConnection);
}

void CMainFrame::PassOnHandOvers() {
  if (handOvers_.isEmpty()) return;
  // A hand-over while a dialog is open would start a second conversation with
  // the user; it waits until that one has ended.
  if (IsPigeonholeWizardOpen() || rightView_->IsFiling() || QApplication::activeModalWidget() || !isEnabled()) {
    handOverRetry_->start();
    return;
  }
  emit pipeDataReceived(handOvers_.takeFirst());
  if (!handOvers_.isEmpty()) handOverRetry_->start();
}

}  // namespace ovelin

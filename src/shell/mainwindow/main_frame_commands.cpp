// The main window's commands that go to the active pane or open dialogs.
#include <QDesktopServices>
#include <QUrl>

#include <utility>

#include "shell/app/about_dialog.h"
#include "shell/app/help_page.h"
#include "shell/app/message_box.h"
#include "shell/app/product_info.h"
#include "shell/app/qt_text.h"
#include "shell/app/template_commands.h"
#include "shell/mainwindow/main_frame.h"
#include "shell/mainwindow/query_request.h"
#include "shell/preview/web_browser.h"
#include "shell/query/query_res_list.h"
#include "shell/query/right_view.h"
#include "shell/settings/dlg_sys_config.h"
#include "shell/settree/entity_tree_view.h"
#include "shell/viewlist/view_list.h"
#include "store/file_set_store.h"

namespace ovelin {

void CMainFrame::onRunQuery(const QString& text, int mode) {
  const QueryRequest request = SplitQueryRequest(text);
  rightView_->runQuery(request.expression, request.keywords, mode);
}

void CMainFrame::onSetCreated(const QString& name) { tree_->InsertNewSet(name); }

void CMainFrame::onPreviewItems(const QStringList& entries) {
  // A deletion waiting for the preview keeps its claim on it.
  if (previewReason_ == PreviewReason::Release) return;
  previewReason_ = PreviewReason::ShowItems;
  preview_->ShowItems(entries);
}

void CMainFrame::onPreviewRelease(const QStringList& urls, bool bDelFile) {
  previewReason_ = PreviewReason::Release;
  pendingDelete_ = urls;
  pendingDeleteFiles_ = bDelFile;
  preview_->Clear();
}

void CMainFrame::onPreviewReady() {
  const PreviewReason reason = previewReason_;
  if (reason == PreviewReason::ShowItems) {
    rightView_->ResultList()->setFocus();
    return;
  }
  if (reason != PreviewReason::Release) return;
  previewReason_ = PreviewReason::None;
  const QStringList urls = std::exchange(pendingDelete_, {});
  rightView_->startDeleting(urls, pendingDeleteFiles_);
}

void CMainFrame::newCommand() {
  switch (activePane_) {
    case Pane::Tree:
      tree_->newSet();
      break;
    case Pane::ViewList:
      viewList_->newViewSet();
      break;
    case Pane::Query:
      rightView_->newViewSetFromQuery();  // the view set list reloads on its signal
      break;
    default:
      break;
  }
  updateCommandStates();
}

void CMainFrame::deleteCommand() {
  switch (activePane_) {
    case Pane::Tree:
      tree_->removeSet();
      break;
    case Pane::ViewList:
      viewList_->deleteViewSet();
      break;
    case Pane::Query:
      rightView_->deleteSelected();
      break;
    default:
      break;
  }
  updateCommandStates();
}

void CMainFrame::guidanceCommand() {
  if (activePane_ == Pane::Tree) tree_->requestGuidance();
  if (activePane_ == Pane::ViewList) viewList_->requestGuidance();
  if (activePane_ == Pane::Query) rightView_->requestGuidance();
}

void CMainFrame::exportTemplate() { ExportTemplateInteractive(this, store_, ToQ(store_.GetRootName())); }

void CMainFrame::importTemplate() {
  if (ImportTemplateInteractive(this, store_)) tree_->Rebuild();
}

void CMainFrame::openOptions() {
  CDlgSysConfig dialog(store_, this);
  dialog.exec();
}

void CMainFrame::openHelp() {
  const QString path = HelpPagePath();
  if (path.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
    ShowWarning(this, tr("无法打开帮助文件 help/index.html！"));
  }
}

void CMainFrame::openHomePage() { QDesktopServices::openUrl(QUrl(QString::fromUtf8(kHomePageUrl))); }

void CMainFrame::showAbout() {
  AboutDialog dialog(this);
  dialog.exec();
}

}  // namespace ovelin

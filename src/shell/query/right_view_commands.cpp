// The query panel's commands on its result: saving the query as a view set,
// deleting items, related-query guidance.
#include <QDialog>
#include <QMetaMethod>

#include "query/view_sets.h"
#include "shell/app/message_box.h"
#include "shell/app/qt_text.h"
#include "shell/filing/item_deleting.h"
#include "shell/guidance/related_query_guidance.h"
#include "shell/query/dlg_del_file_item_option.h"
#include "shell/query/query_res_list.h"
#include "shell/query/right_view.h"
#include "shell/viewlist/dlg_view_set_def.h"
#include "store/file_set_store.h"

namespace ovelin {

bool CRightView::newViewSetFromQuery() {
  // The keywords are not part of a view set.
  const QString expression = history_.Current() ? history_.Current()->expression : QString();
  CDlgViewSetDef dialog({}, expression, this);
  if (dialog.exec() != QDialog::Accepted) return false;
  // "新增视图集失败，...", then which of the name, the expression or the save failed.
  if (CheckResult added = AddViewSet(store_, ToStd(dialog.Name()), ToStd(dialog.Expression())); !added) {
    ShowCheckFailure(this, added);
    return false;
  }
  emit viewSetsChanged();
  return true;
}

void CRightView::deleteSelected() { list_->deleteSelected(); }

void CRightView::deleteItems(const QStringList& urls) {
  if (urls.isEmpty() || filing_) return;
  CDlgDelFileItemOption dialog(this);
  if (dialog.exec() != QDialog::Accepted) return;
  cancelSearch();  // a finished search would show items that are gone
  SetFiling(true);
  if (!isSignalConnected(QMetaMethod::fromSignal(&CRightView::previewRelease))) {
    startDeleting(urls, dialog.DeleteFiles());
    return;
  }
  emit previewRelease(urls, dialog.DeleteFiles());
}

void CRightView::startDeleting(const QStringList& urls, bool bDelFile) {
  SetFiling(true);
  StartDeleting(store_, urls, bDelFile, window(), [this] {
    SetFiling(false);
    refresh();
  });
}

bool CRightView::GuidanceAvailable() const { return result_ != nullptr; }

void CRightView::requestGuidance() {
  if (!GuidanceAvailable()) return;
  const std::shared_ptr<const ItemList> result = result_;  // a search finishing meanwhile replaces result_
  const QueryKey key = history_.Current().value_or(QueryKey{});
  const auto chosen = RunRelatedQueryGuidance(store_, *result, key.expression, key.keywords, this);
  if (chosen) RunQuery(HistoryMode::New, chosen->expression, chosen->keywords, 0);
}

}  // namespace ovelin

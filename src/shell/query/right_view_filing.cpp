// The query panel's archiving: the wizard for the menu command, for dropped
// files, for the result list's "项目归档情况" and for handed-over records, and
// the run that follows it.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "shell/app/qt_text.h"
#include "shell/filing/dropped_items.h"
#include "shell/filing/pigeonhole_sheet.h"
#include "shell/filing/start_archiving.h"
#include "shell/query/right_view.h"
#include "store/config_keys.h"
#include "store/file_set_store.h"

namespace ovelin {
namespace {

QStringList LocalPathsOf(const QMimeData* data) {
  QStringList paths;
  if (!data || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) paths.append(url.toLocalFile());
  }
  return paths;
}

}  // namespace

void CRightView::SetFiling(bool filing) {
  filing_ = filing;
  emit stateChanged();
  if (!filing) emit filingIdle();
}

void CRightView::archiveFiles() { RunWizardAndArchive({}, 0); }

void CRightView::archiveItems(PigeonholeBatch batch) {
  if (batch.empty()) return;
  if (store_.IsConfigOn(config::kPigeonhole, config::kDragDropPigAutoBelong)) {
    const std::string sets = JoinNames(positiveLeaves_);
    for (auto& record : batch) record.BelongSets = sets;
  }
  RunWizardAndArchive(std::move(batch), 1);
}

void CRightView::archiveHandOver(const QList<PipeRecord>& records) {
  archiveItems(GatherHandOverRecords(records, window()));
}

void CRightView::RunWizardAndArchive(PigeonholeBatch batch, int mode) {
  if (filing_) return;
  SetFiling(true);
  const bool finished = RunPigeonholeWizard(
      store_, batch, mode == 0 ? WizardMode::Select : WizardMode::Belong, window(), [this](CPigeonholeSheet& sheet) {
        connect(&sheet, &CPigeonholeSheet::setCreated, this, &CRightView::setCreated);
      });
  if (!finished) {
    SetFiling(false);
    return;
  }
  cancelSearch();  // a finished search would show items as they were
  StartArchiving(store_, std::move(batch), window(), [this](const ArchiveResult&) {
    SetFiling(false);
    refresh();
  });
}

void CRightView::dragEnterEvent(QDragEnterEvent* event) {
  if (!filing_ && !LocalPathsOf(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CRightView::dragMoveEvent(QDragMoveEvent* event) {
  if (!filing_ && !LocalPathsOf(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CRightView::dropEvent(QDropEvent* event) {
  const QStringList paths = LocalPathsOf(event->mimeData());
  if (filing_ || paths.isEmpty()) return;
  event->acceptProposedAction();
  // The drop ends before the folder questions and the wizard, so that the
  // program the files came from is not kept waiting.
  QTimer::singleShot(0, this, [this, paths] { archiveItems(GatherDroppedPaths(paths, window())); });
}

}  // namespace ovelin

#include "shell/query/item_deleting.h"

#include <QThread>

#include <string>
#include <vector>

#include "filing/delete_items.h"
#include "shell/app/qt_text.h"
#include "shell/query/dlg_pigeonhole_process.h"

namespace ovelin {

void StartDeleting(CFileSetStore& store, const QStringList& urls, bool bDelFile, QWidget* parent,
                   std::function<void()> done) {
  std::vector<std::string> list;
  for (const QString& url : urls) list.push_back(ToStd(url));
  auto* dialog = new CDlgPigeonholeProcess(parent);
  dialog->setWindowModality(Qt::ApplicationModal);
  dialog->show();
  IFilingProgress* progress = &dialog->WorkerProgress();
  QThread* worker = QThread::create([&store, list = std::move(list), bDelFile, progress] {
    DeleteItems(store, list, bDelFile, progress);
  });
  QObject::connect(worker, &QThread::finished, dialog, [dialog, worker, done = std::move(done)] {
    worker->deleteLater();
    dialog->accept();
    dialog->deleteLater();
    if (done) done();
  });
  worker->start();
}

}  // namespace ovelin

#pragma once
// Runs a filing engine (archiving, deleting) on a worker thread behind the
// modal progress dialog "归档进度", which the engine drives step by step and
// which keeps the program's windows blocked until the engine is done.

#include <QThread>
#include <QWidget>

#include <functional>
#include <memory>

#include "shell/filing/dlg_pigeonhole_process.h"

namespace ovelin {

/// Starts `work` on a worker thread with the dialog's progress object and
/// returns at once; `done` gets the engine's result on the interface thread
/// after the dialog has closed. Nothing else may use the store meanwhile.
template <typename Result>
void RunOnFilingWorker(QWidget* parent, std::function<Result(IFilingProgress&)> work,
                       std::function<void(Result)> done) {
  auto* dialog = new CDlgPigeonholeProcess(parent);
  dialog->setWindowModality(Qt::ApplicationModal);
  dialog->show();
  auto result = std::make_shared<Result>();
  IFilingProgress* progress = &dialog->WorkerProgress();
  QThread* worker = QThread::create([work = std::move(work), progress, result] { *result = work(*progress); });
  QObject::connect(worker, &QThread::finished, dialog, [dialog, worker, result, done = std::move(done)] {
    worker->deleteLater();
    dialog->accept();
    dialog->deleteLater();
    if (done) done(std::move(*result));
  });
  worker->start();
}

}  // namespace ovelin

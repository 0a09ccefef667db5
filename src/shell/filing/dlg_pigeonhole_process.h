#pragma once
// CDlgPigeonholeProcess ("归档进度"): the progress of a filing run (deleting
// items now, archiving later): a bar, the item being handled and its URL. The
// engine runs on a worker thread and reports through WorkerProgress, which
// waits for the dialog on the interface thread at every step.

#include <QDialog>

#include <cstddef>
#include <memory>

#include "filing/filing_progress.h"

class QLineEdit;
class QPlainTextEdit;
class QProgressBar;

namespace ovelin {

class CDlgPigeonholeProcess : public QDialog {
  Q_OBJECT
 public:
  explicit CDlgPigeonholeProcess(QWidget* parent = nullptr);
  ~CDlgPigeonholeProcess() override;

  /// The progress object for an engine running on another thread; every call
  /// blocks that thread until this dialog has handled it. Never call it from
  /// the dialog's own thread.
  IFilingProgress& WorkerProgress();

  /// A run of `count` items begins.
  void ShowStart(size_t count);
  /// The engine starts on an item.
  void ShowItem(const QString& name, const QString& url);
  /// Asks whether to go on after a failure (Abort, Retry, Ignore).
  ErrorChoice AskAboutError(const QString& message);
  /// The run is over; the dialog may close.
  void ShowFinish();

 public slots:
  /// Closes only after the run has finished.
  void reject() override;

 private:
  class Relay;

  QProgressBar* bar_;
  QLineEdit* name_;
  QPlainTextEdit* url_;
  int handled_ = 0;
  bool finished_ = false;
  std::unique_ptr<Relay> relay_;
};

}  // namespace ovelin

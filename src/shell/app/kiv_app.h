#pragma once
// CKivApp: brings the program up and owns what lives for the whole run: the
// single-instance channel, the data file's writer lock, the one store and the
// main window.

#include <QObject>

#include <memory>

#include "shell/app/instance_server.h"
#include "shell/app/start_options.h"
#include "store/data_file.h"
#include "store/file_set_store.h"

namespace ovelin {

class CMainFrame;

class CKivApp : public QObject {
  Q_OBJECT
 public:
  explicit CKivApp(StartOptions options, QObject* parent = nullptr);
  ~CKivApp() override;

  /// The start-up: single instance, data file, root store path on a first
  /// start, backup, main window. False ends the program with ExitCode().
  bool InitInstance();
  /// The exit code after a failed start-up (0 for a silent end).
  int ExitCode() const { return exitCode_; }
  /// The store of the running program.
  CFileSetStore& Store() { return store_; }
  /// The main window; null before a successful start-up.
  CMainFrame* MainFrame() const { return mainFrame_.get(); }

 private:
  bool OpenDataFile();
  bool TakeWriterLock(const QString& folder);
  void ChooseRootStorePath();
  void RefreshBackup();
  void CreateMainFrame();
  void ScheduleScreenshot();

  StartOptions options_;
  CFileSetStore store_;
  DataFileLock writerLock_;
  InstanceServer instance_;
  std::unique_ptr<CMainFrame> mainFrame_;
  int exitCode_ = 0;
};

}  // namespace ovelin

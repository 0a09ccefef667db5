#include "shell/app/kiv_app.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "base/messages.h"
#include "filing/journal_resolution.h"
#include "shell/app/message_box.h"
#include "shell/app/product_info.h"
#include "shell/app/qt_text.h"
#include "shell/mainwindow/main_frame.h"
#include "store/machine_identifier.h"

namespace ovelin {
namespace {

constexpr int kExitFailure = 1;
constexpr int kScreenshotDelayMs = 3000;

// Files that an archiving run moved but never recorded went back at start; the
// user hears which, and of those that could not go back.
void ReportLeftoverMoves(const JournalResolution& resolution) {
  if (resolution.moves.empty()) return;
  QString text = QCoreApplication::translate("ovelin::CKivApp", "上次归档时以下文件已移动，但没有记录到数据库中：");
  for (const LeftoverMove& move : resolution.moves) {
    text += QLatin1Char('\n') + ToQ(move.path) +
            (move.back.empty() ? QCoreApplication::translate("ovelin::CKivApp", "（无法移回，下次启动时再试）")
                               : QStringLiteral(" → ") + ToQ(move.back));
  }
  ShowWarning(nullptr, text);
}

}  // namespace

CKivApp::CKivApp(StartOptions options, QObject* parent) : QObject(parent), options_(std::move(options)) {}

CKivApp::~CKivApp() = default;

bool CKivApp::InitInstance() {
  // A second start ends here, before it has touched anything.
  if (instance_.ClaimInstance() == InstanceServer::Claim::OtherRunning) {
    exitCode_ = 0;
    return false;
  }
  if (GetMachineIdentifier().empty()) {
    QMessageBox::critical(nullptr, tr("系统错误"), ToQ(MessageText(MessageId::NoMachineId)));
    exitCode_ = 0;
    return false;
  }
  if (!OpenDataFile()) {
    exitCode_ = kExitFailure;
    return false;
  }
  CreateMainFrame();
  return true;
}

bool CKivApp::OpenDataFile() {
  const QString folder = ToQ(ResolveDataFolder(ToStd(options_.dataDir)));
  if (!QDir(folder).exists() && QDir().mkpath(folder)) {
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }
  if (!TakeWriterLock(folder)) return false;

  const std::string path = ToStd(folder + QLatin1Char('/') + QLatin1String(kDataFileName));
  const bool isNew = !QFileInfo::exists(ToQ(path));
  if (isNew) {
    // A starter file that cannot be written shows up as the load failure below.
    store_.CreateStarterDocument();
    store_.SaveTo(path);
  }
  if (!store_.Load(path)) {
    ShowError(nullptr, ToQ(MessageText(MessageId::LoadFailed)));
    return false;
  }
  if (store_.HasUnsavedUpgrade()) SaveStore(nullptr, store_);  // the lock is ours: the upgrade is saved
  ReportLeftoverMoves(ResolveArchiveJournals(store_));
  if (isNew) ChooseRootStorePath();
  RefreshBackup();
  return true;
}

bool CKivApp::TakeWriterLock(const QString& folder) {
  // Another writer (ovelin-cli in the middle of a change) would lose our saves or we its.
  if (writerLock_.TryAcquire(ToStd(folder)) != DataFileLock::Result::HeldByOther) return true;
  ShowError(nullptr, tr("数据库正在被另一个程序（例如 ovelin-cli）修改，无法启动。\n请稍后再试。"));
  return false;
}

void CKivApp::ChooseRootStorePath() {
  QString chosen = ToQ(DefaultRootStorePath());
  const QString question = tr("采用系统缺省设置的根文件集(“我的文档”)的归档路径吗？\n%1").arg(chosen);
  if (!AskYesNo(nullptr, question)) {
    const QString folder = QFileDialog::getExistingDirectory(nullptr, tr("根文件集归档路径选择"), chosen);
    if (!folder.isEmpty() && QFileInfo(folder).isAbsolute()) {
      chosen = folder;
    } else if (!folder.isEmpty()) {
      ShowWarning(nullptr, tr("错误的路径选择，系统将采用缺省设置！"));
    }
  }
  store_.SetStorePath(store_.GetRootName(), ToStd(chosen), StorePathKind::UsrDef);
  SaveStore(nullptr, store_);
}

void CKivApp::RefreshBackup() {
  const std::string& path = store_.GetDataFilePath();
  if (!CopyFileAtomically(path, path + kBackupSuffix)) {
    ShowWarning(nullptr, ToQ(MessageText(MessageId::BackupFailed)));
  }
}

void CKivApp::CreateMainFrame() {
  mainFrame_ = std::make_unique<CMainFrame>(store_);
  connect(&instance_, &InstanceServer::messageReceived, mainFrame_.get(), &CMainFrame::onPipeMessage);
  mainFrame_->setWindowTitle(QString::fromUtf8(kMainWindowTitle));
  mainFrame_->resize(1100, 720);
  mainFrame_->show();
  if (!options_.screenshotFile.isEmpty()) ScheduleScreenshot();
}

void CKivApp::ScheduleScreenshot() {
  QTimer::singleShot(kScreenshotDelayMs, this, [this] {
    // On a real display the screen holds what the web view drew; grab() alone
    // cannot see into it.
    QScreen* screen = mainFrame_->screen();
    const QPixmap picture = QGuiApplication::platformName() == QLatin1String("xcb") && screen
                                ? screen->grabWindow(mainFrame_->winId())
                                : mainFrame_->grab();
    picture.save(options_.screenshotFile, "PNG");
    QApplication::quit();
  });
}

}  // namespace ovelin

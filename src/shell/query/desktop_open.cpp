#include "shell/query/desktop_open.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace ovelin {
namespace {

constexpr int kShowItemsTimeoutMs = 5000;

// A session bus is there to be called; without one, dbus-send would try to
// start a bus of its own.
bool HasSessionBus() {
  if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return true;
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

// The file URI for the file manager. dbus-send splits array elements at ",",
// so commas are percent-encoded as well (an equivalent URI).
QString FileUri(const QString& localPath) {
  return QString::fromUtf8(QUrl::fromLocalFile(localPath).toEncoded()).replace(QLatin1Char(','), QStringLiteral("%2C"));
}

}  // namespace

bool OpenItem(const QString& url, const QString& localPath) {
  if (!localPath.isEmpty()) return QDesktopServices::openUrl(QUrl::fromLocalFile(localPath));
  return QDesktopServices::openUrl(QUrl(url));
}

QString CommonFolder(const QStringList& localPaths) {
  if (localPaths.isEmpty()) return {};
  QStringList common = QFileInfo(localPaths.constFirst()).path().split(QLatin1Char('/'));
  for (const QString& path : localPaths) {
    const QStringList pieces = QFileInfo(path).path().split(QLatin1Char('/'));
    qsizetype shared = 0;
    while (shared < common.size() && shared < pieces.size() && common[shared] == pieces[shared]) ++shared;
    common = common.mid(0, shared);
  }
  const QString folder = common.join(QLatin1Char('/'));
  return folder.isEmpty() ? QStringLiteral("/") : folder;
}

bool OpenFolder(const QString& folder) { return QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); }

void ShowInFileManager(const QString& localPath, QObject* context) {
  const QString folder = QFileInfo(localPath).path();
  if (!HasSessionBus()) {
    OpenFolder(folder);
    return;
  }
  auto* call = new QProcess(context);
  auto fallBack = [call, folder](bool failed) {
    if (failed) OpenFolder(folder);
    call->disconnect();
    call->deleteLater();
  };
  QObject::connect(call, &QProcess::finished, call, [fallBack](int code, QProcess::ExitStatus status) {
    fallBack(status != QProcess::NormalExit || code != 0);
  });
  QObject::connect(call, &QProcess::errorOccurred, call, [fallBack](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) fallBack(true);
  });
  call->start(QStringLiteral("dbus-send"),
              {QStringLiteral("--session"), QStringLiteral("--print-reply"),
               QStringLiteral("--reply-timeout=%1").arg(kShowItemsTimeoutMs),
               QStringLiteral("--dest=org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
               QStringLiteral("org.freedesktop.FileManager1.ShowItems"),
               QStringLiteral("array:string:") + FileUri(localPath), QStringLiteral("string:")});
}

}  // namespace ovelin

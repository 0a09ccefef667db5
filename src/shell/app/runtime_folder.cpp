#include "shell/app/runtime_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QDir>

namespace ovelin {
namespace {

// A folder that another user could have prepared must not be trusted: it has
// to be ours, a real folder (not a link), and closed to everyone else.
bool IsPrivateFolder(const QByteArray& path) {
  struct stat info {};
  if (::lstat(path.constData(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

}  // namespace

QString ChannelFolder() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir(QString::fromLocal8Bit(runtime)).exists()) return QString::fromLocal8Bit(runtime);

  const QByteArray fallback = "/tmp/ovelin-" + QByteArray::number(::getuid());
  if (::mkdir(fallback.constData(), 0700) != 0 && errno != EEXIST) return {};
  return IsPrivateFolder(fallback) ? QString::fromLocal8Bit(fallback) : QString();
}

QString ChannelSocketPath() {
  const QString folder = ChannelFolder();
  return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + QLatin1String(kChannelName);
}

}  // namespace ovelin

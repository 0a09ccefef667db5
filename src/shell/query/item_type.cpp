#include "shell/query/item_type.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QStyle>

namespace ovelin {
namespace {

const QString kFolderMime = QStringLiteral("inode/directory");

}  // namespace

QString HyperlinkTypeText() { return QCoreApplication::translate("ovelin::CQueryResList", "超链接"); }

QString GroupTypeText() { return QCoreApplication::translate("ovelin::CQueryResList", "分组"); }

ItemType LocalFileType(const QString& localPath) {
  // Matching by name reads nothing from the disk, which keeps long lists fast.
  const QMimeDatabase database;
  QMimeType type = database.mimeTypeForFile(localPath, QMimeDatabase::MatchExtension);
  const QFileInfo info(localPath);
  if (type.isDefault() && !info.fileName().contains(QLatin1Char('.')) && info.isDir()) {
    type = database.mimeTypeForName(kFolderMime);
  }
  return {type.comment(), type.name()};
}

QIcon MimeTypeIcon(const QString& mimeName) {
  static QHash<QString, QIcon> cache;
  const auto found = cache.constFind(mimeName);
  if (found != cache.constEnd()) return *found;
  const QMimeType type = QMimeDatabase().mimeTypeForName(mimeName);
  const QStyle::StandardPixmap standard = mimeName == kFolderMime ? QStyle::SP_DirIcon : QStyle::SP_FileIcon;
  const QIcon fallback = QIcon::fromTheme(type.genericIconName(), QApplication::style()->standardIcon(standard));
  const QIcon icon = QIcon::fromTheme(type.iconName(), fallback);
  cache.insert(mimeName, icon);
  return icon;
}

QIcon HyperlinkIcon() {
  return QIcon::fromTheme(QStringLiteral("text-html"), QApplication::style()->standardIcon(QStyle::SP_DriveNetIcon));
}

}  // namespace ovelin

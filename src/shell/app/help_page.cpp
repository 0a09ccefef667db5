#include "shell/app/help_page.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace ovelin {

QString HelpPagePath() {
  const QString programFolder = QCoreApplication::applicationDirPath();
  const QStringList candidates{
      programFolder + QStringLiteral("/help/index.html"),
      programFolder + QStringLiteral("/../share/ovelin/help/index.html"),
#ifdef OVELIN_SOURCE_HELP
      QStringLiteral(OVELIN_SOURCE_HELP),
#endif
  };
  for (const QString& candidate : candidates) {
    if (QFileInfo::exists(candidate)) return QFileInfo(candidate).canonicalFilePath();
  }
  return {};
}

}  // namespace ovelin

#include "shell/app/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QList>
#include <QPointer>
#include <QTranslator>

namespace ovelin {
namespace {

QList<QPointer<QTranslator>>& Installed() {
  static QList<QPointer<QTranslator>> installed;
  return installed;
}

bool Install(const QString& file, const QString& folder) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  Installed().append(translator);
  return true;
}

}  // namespace

bool InstallTranslations(Language language) {
  // A deleted translator takes itself out of the application.
  for (const QPointer<QTranslator>& translator : Installed()) delete translator.data();
  Installed().clear();
  if (language == Language::English) return Install(QStringLiteral("ovelin_en"), QStringLiteral(":/i18n"));
  return Install(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace ovelin

#include "shell/preview/preview_scheme.h"

#include <QBuffer>
#include <QMutexLocker>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace ovelin {

void RegisterPreviewScheme() {
  QWebEngineUrlScheme scheme(kPreviewScheme);
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
  scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
  QWebEngineUrlScheme::registerScheme(scheme);
}

PreviewSchemeHandler::PreviewSchemeHandler(QObject* parent) : QWebEngineUrlSchemeHandler(parent) {}

QUrl PreviewSchemeHandler::Publish(const QByteArray& page) {
  const QMutexLocker lock(&mutex_);
  // A new path for every page, so that the view never shows a cached one.
  path_ = QStringLiteral("/page/%1").arg(++published_);
  page_ = page;
  QUrl url;
  url.setScheme(QString::fromLatin1(kPreviewScheme));
  url.setPath(path_);
  return url;
}

void PreviewSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
  QByteArray page;
  {
    const QMutexLocker lock(&mutex_);
    if (job->requestUrl().path() != path_) {
      job->fail(QWebEngineUrlRequestJob::UrlNotFound);
      return;
    }
    page = page_;
  }
  auto* body = new QBuffer(job);
  body->setData(page);
  job->reply(QByteArrayLiteral("text/html"), body);
}

}  // namespace ovelin

#pragma once
// The preview's own URL scheme: generated pages are served from memory under
// "ovelin-preview:" addresses, so that a page of any size loads (a page set
// with setHtml may not exceed 2 MB) and may still show local files.

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

namespace ovelin {

/// The scheme's name.
inline constexpr char kPreviewScheme[] = "ovelin-preview";

/// Registers the scheme (local files may be loaded by its pages). Must be
/// called before the application object is created.
void RegisterPreviewScheme();

class PreviewSchemeHandler : public QWebEngineUrlSchemeHandler {
  Q_OBJECT
 public:
  explicit PreviewSchemeHandler(QObject* parent = nullptr);

  /// Keeps the page (UTF-8 HTML) as the only one served and returns its address.
  QUrl Publish(const QByteArray& page);
  /// Answers a request with the page of its address, or fails it.
  void requestStarted(QWebEngineUrlRequestJob* job) override;

 private:
  QMutex mutex_;
  QString path_;
  QByteArray page_;
  int published_ = 0;
};

}  // namespace ovelin

#pragma once
// The preview's web page: it never navigates. A click on a link, in the page
// or inside one of its frames, is refused and reported instead; the frames'
// own loading of their documents goes on.

#include <QUrl>
#include <QWebEnginePage>

namespace ovelin {

class PreviewWebPage : public QWebEnginePage {
  Q_OBJECT
 public:
  explicit PreviewWebPage(QWebEngineProfile* profile, QObject* parent = nullptr);

 signals:
  /// A link was clicked; nothing was loaded.
  void linkClicked(const QUrl& url);

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
};

}  // namespace ovelin

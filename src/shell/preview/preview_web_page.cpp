#include "shell/preview/preview_web_page.h"

#include "shell/preview/preview_scheme.h"

namespace ovelin {

PreviewWebPage::PreviewWebPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {}

bool PreviewWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
  if (type == NavigationTypeLinkClicked) {
    emit linkClicked(url);
    return false;
  }
  // The page itself only ever shows the preview's own pages.
  return !isMainFrame || url.scheme() == QLatin1String(kPreviewScheme);
}

}  // namespace ovelin

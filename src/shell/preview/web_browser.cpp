#include "shell/preview/web_browser.h"

#include <QUrl>

namespace ovelin {

CWebBrowser::CWebBrowser(QWidget* parent) : QWebEngineView(parent) {
  setAccessibleName(QStringLiteral("预览"));
  ShowEmptyPage();
}

void CWebBrowser::ShowEmptyPage() {
  setHtml(QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head><body></body></html>"),
          QUrl(QStringLiteral("file:///")));
}

}  // namespace ovelin

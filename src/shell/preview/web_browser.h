#pragma once
// CWebBrowser: the preview pane, a web view that shows pages generated for the
// selected items. Until items are previewed it shows an empty page.

#include <QWebEngineView>

namespace ovelin {

class CWebBrowser : public QWebEngineView {
  Q_OBJECT
 public:
  explicit CWebBrowser(QWidget* parent = nullptr);

  /// Shows an empty page (also used to release files before they are deleted).
  void ShowEmptyPage();
};

}  // namespace ovelin
